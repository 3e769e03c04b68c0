// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// The help page shipped with the program: "help/index.html" beside the program in the build
// tree, or the same below share/orvalink/ when installed. programFolder is the folder of the
// program file. When neither exists, the path beside the program, so that the system's "open"
// names what is missing.
QString helpPagePath(const QString& programFolder);

} // namespace orvalink
