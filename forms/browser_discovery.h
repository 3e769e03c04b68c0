#pragma once

#include <QString>
#include <QStringList>

namespace orvalink {

// The browser files found on this machine, offered in an export window's location list so that
// the user need not browse for them. entries is the list's items: item 0 is the window's
// placeholder, the rest are locations. Each form's search (see StorageForm::discover()) appends
// what it finds at the end, never an entry whose exact text is already there, and returns how
// many entries it added. A missing folder, settings file, bookmark file or hotlist adds nothing;
// nothing is ever reported.

// Appends entry unless it is listed already; returns whether it was added.
bool addDiscovered(QStringList& entries, const QString& entry);

// The index of the entry equal to text (case-sensitive), or -1.
int FindInCombo(const QStringList& entries, const QString& text);

} // namespace orvalink
