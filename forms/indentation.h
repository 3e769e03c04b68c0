// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvalink {

// Beyond this depth, the text written for a tree (a bookmark file, a listing) is indented no
// further: readers ignore the indentation, and for a tree thousands of folders deep it would make
// the text grow with the square of the depth.
inline constexpr int kDeepestIndentLevel = 100;

} // namespace orvalink
