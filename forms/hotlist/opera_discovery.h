// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// Opera's hotlist, as its full path, taken from the first of operaSettingsFiles() that exists;
// "" when there is none.
QString operaHotlistPath();

} // namespace orvalink
