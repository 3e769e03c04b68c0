// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace orvalink {

// Large tables and text blocks that a loader fills at once are best backed by huge pages: on
// Linux one fault then maps 2 MB instead of 4 KB, and a large source's load spends much of its
// time in faults otherwise. Two things make that happen: the allocation must cover whole, aligned
// huge pages (hugePageFill), and the system must be asked for them (preferHugePages).

// The size of a huge page where they are offered (x86-64, and most 64-bit ARM systems).
constexpr std::size_t kHugePageBytes = std::size_t(1) << 21;

// The size to allocate for at least bytes: small sizes unchanged; from one huge page up, whole
// huge pages less room for the allocators' own headers (the C allocator's, and up to 40 bytes of
// a container's, as Qt's arrays have). The C library serves such an allocation with a mapping of
// its own that spans exactly those huge pages, and Linux aligns a mapping of whole huge pages on
// them; an allocation only a little larger would straddle them and get none whole.
constexpr std::size_t hugePageFill(std::size_t bytes)
{
    // glibc keeps 16 bytes in front of an allocation it maps on its own and rounds the rest up
    // to 16; with a container's header of up to 40 bytes, 64 keeps the mapping at whole pages.
    constexpr std::size_t kHeaderRoom = 64;
    if (bytes < kHugePageBytes)
        return bytes;
    return (bytes + kHeaderRoom + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes -
           kHeaderRoom;
}

// Asks the system to back the memory of [data, data + bytes) with huge pages wherever whole ones
// fit, including the page that holds an allocation's headers before data. Only advice: nothing
// changes where such pages are not offered.
void preferHugePages(const void* data, std::size_t bytes);

// Room for at least count elements in a table a reader is about to fill: in whole huge pages
// when it is that large.
template <typename T> void reserveInHugePages(std::vector<T>& table, std::size_t count)
{
    table.reserve(hugePageFill(count * sizeof(T)) / sizeof(T));
    preferHugePages(table.data(), table.capacity() * sizeof(T));
}

// Room for one more element in a table filled one at a time to a size no reader knew in advance
// (the folders of most sources): doubled, as push_back() does, but in whole huge pages once it
// is that large.
template <typename T> void growInHugePages(std::vector<T>& table)
{
    if (table.size() == table.capacity())
        reserveInHugePages(table, std::max<std::size_t>(16, table.capacity() * 2));
}

} // namespace orvalink
