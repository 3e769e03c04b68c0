#pragma once

#include <QStringList>

namespace orvalink {

// The bookmarks.html of every Firefox profile of the current user, as "<" + profile name + "> " +
// path. Each profiles.ini of firefoxFolders() is read in turn, its profile sections in file
// order; profiles without a bookmark file are skipped.
int FindFirefoxBookmarks(QStringList& entries);

} // namespace orvalink
