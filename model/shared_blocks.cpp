// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/shared_blocks.h"

#include <algorithm>
#include <utility>

namespace orvalink {

namespace {

// Characters of a block: large enough that allocating blocks costs nothing beside filling them,
// small enough that the unused end of the last one does not matter.
constexpr qsizetype kBlockSize = 1 << 19;

// Hands out at most capacity characters of the pool's block, written by fill(where), which
// returns how many it wrote.
template <typename Text, typename Pool, typename Fill>
Text carve(Pool& pool, qsizetype capacity, Fill fill)
{
    const qsizetype needed = capacity + 1;
    // A long string would waste much of a block: it gets an allocation of its own.
    if (needed > kBlockSize / 16) {
        Text own(capacity, Qt::Uninitialized);
        own.truncate(fill(own.data_ptr().data()));
        return own;
    }
    if (pool.block.isNull() || pool.used + needed > pool.block.size()) {
        pool.block = Text(kBlockSize, Qt::Uninitialized);
        pool.used = 0;
    }
    // Written through the block's own pointer: data() would copy the block once it is shared, and
    // these characters belong to no string handed out yet.
    typename Text::DataPointer shared = pool.block.data_ptr();
    auto* const at = shared.data() + pool.used;
    const qsizetype size = fill(at);
    at[size] = 0;
    pool.used += size + 1;
    shared.ptr = at;
    shared.size = size;
    return Text(std::move(shared));
}

} // namespace

QByteArray SharedBlocks::copy(QByteArrayView bytes)
{
    return carve<QByteArray>(m_bytes, bytes.size(), [&](char* to) {
        std::copy(bytes.begin(), bytes.end(), to);
        return bytes.size();
    });
}

QString SharedBlocks::fromLatin1(QByteArrayView bytes)
{
    return carve<QString>(m_texts, bytes.size(), [&](auto* to) {
        for (const char c : bytes)
            *to++ = static_cast<unsigned char>(c);
        return bytes.size();
    });
}

QString SharedBlocks::fromUtf8(QByteArrayView bytes)
{
    return carve<QString>(m_texts, m_utf8.requiredSpace(bytes.size()), [&](char16_t* to) {
        QChar* const begin = reinterpret_cast<QChar*>(to);
        return m_utf8.appendToBuffer(begin, bytes) - begin;
    });
}

} // namespace orvalink
