// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/huge_pages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace orvalink {

void preferHugePages(const void* data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Whole small pages around the range: an allocation mapped on its own has its headers in
    // the page where data starts, and ends in the page where data ends, so the advice then
    // covers the whole mapping, all of it in huge pages when hugePageFill() sized it.
    constexpr std::size_t kPage = std::size_t(1) << 12;
    const auto begin = reinterpret_cast<std::uintptr_t>(data) & ~(kPage - 1);
    const std::uintptr_t end =
        (reinterpret_cast<std::uintptr_t>(data) + bytes + kPage - 1) & ~(kPage - 1);
    if (bytes < kHugePageBytes - kPage)
        return;
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    // The allocator wrote before the advice (Qt its header at the start, and the terminating
    // NUL at the end), so the first and last whole huge pages of the range may already have a
    // small page each; they are made huge pages now (MADV_COLLAPSE, from Linux 6.1; older
    // kernels refuse it), or the rest of them would fault in small pages.
    constexpr int kCollapse = 25;
    const std::uintptr_t first = (begin + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    const std::uintptr_t wholeEnd = end & ~(kHugePageBytes - 1);
    if (first + kHugePageBytes <= wholeEnd)
        ::madvise(reinterpret_cast<void*>(first), kHugePageBytes, kCollapse);
    if (first + 2 * kHugePageBytes <= wholeEnd)
        ::madvise(reinterpret_cast<void*>(wholeEnd - kHugePageBytes), kHugePageBytes, kCollapse);
#else
    static_cast<void>(data);
    static_cast<void>(bytes);
#endif
}

} // namespace orvalink
