#pragma once

#include <QStringList>

namespace orvalink {

// Opera's hotlist, as its full path, taken from the first of operaSettingsFiles() that exists.
// Adds at most one entry.
int FindOperaHotlist(QStringList& entries);

} // namespace orvalink
