// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace orvalink {

// Asks the system to back the whole 2 MB pages inside [data, data + bytes) with huge pages, for
// memory a loader is about to fill: on Linux, where transparent huge pages are offered on
// request, one fault then maps 2 MB instead of 4 KB, and a large source's load spends much of
// its time in faults otherwise. Only advice: nothing changes where it is not offered, and the
// range may be any part of an allocation.
void preferHugePages(const void* data, std::size_t bytes);

} // namespace orvalink
