// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace orvalink {

class ProgramSettings;

// Adds count to the running total of exported folders and links ("TotalItemsExported" of
// "Settings" in the program's own options) and returns the new total, 0 when it is negative.
// A total that would pass the 32-bit limit keeps its old value. AddTotalItemsExported(settings, 0)
// only reads the total. The total is a curiosity shown in the about window, so every failure of the
// store is ignored: an unreadable total reads as 0 and is left as it is in the file.
qint32 AddTotalItemsExported(ProgramSettings& settings, qint32 count);

} // namespace orvalink
