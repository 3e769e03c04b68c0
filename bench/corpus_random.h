// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvalink {

// A small pseudo-random generator (SplitMix64) whose sequence is fixed by its start value alone.
// The corpus must come out byte for byte the same on every machine, so nothing here may depend on
// the standard library's distributions, whose results differ between implementations.
class CorpusRandom
{
public:
    explicit CorpusRandom(std::uint64_t start)
        : m_state(start)
    {}

    // A generator for one numbered item of one kind: items are generated independently of the
    // order in which they are visited, so every form can regenerate any item on its own.
    static CorpusRandom forItem(std::uint64_t stream, std::uint64_t item)
    {
        CorpusRandom mixer(stream ^ (item * 0xD1B54A32D192ED03ULL));
        return CorpusRandom(mixer.next());
    }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number in [0, bound); 0 when bound is 0. The slight bias of the remainder does not
    // matter for test data, and it keeps the sequence trivially portable.
    std::uint32_t below(std::uint32_t bound) { return bound == 0 ? 0 : next() % bound; }

    // A number in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

    // True in about `percent` of a hundred calls.
    bool chance(std::uint32_t percent) { return below(100) < percent; }

    template <typename T, std::size_t N> const T& pick(const T (&items)[N])
    {
        return items[next() % N];
    }

private:
    std::uint64_t m_state;
};

} // namespace orvalink
