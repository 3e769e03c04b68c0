#pragma once

#include <QString>
#include <QStringList>

namespace orvalink {

// The browser files found on this machine, offered in an export window's location list so that
// the user need not browse for them. entries is the list's items: item 0 is the window's
// placeholder, the rest are locations. Both searches append what they find at the end, never an
// entry whose exact text is already there, and return how many entries they added. A missing
// folder, settings file, bookmark file or hotlist adds nothing; nothing is ever reported.

// The bookmarks.html of every Firefox profile of the current user, as "<" + profile name + "> " +
// path. Each profiles.ini of firefoxFolders() is read in turn, its profile sections in file
// order; profiles without a bookmark file are skipped.
int FindFirefoxBookmarks(QStringList& entries);

// Opera's hotlist, as its full path, taken from the first of operaSettingsFiles() that exists.
// Adds at most one entry.
int FindOperaHotlist(QStringList& entries);

// The index of the entry equal to text (case-sensitive), or -1.
int FindInCombo(const QStringList& entries, const QString& text);

} // namespace orvalink
