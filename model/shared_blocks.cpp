// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/shared_blocks.h"

#include "model/huge_pages.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace orvalink {

namespace {

// Bytes of a block: large enough that allocating blocks costs nothing beside filling them, small
// enough that the unused end of the last one does not matter; whole huge pages (see
// hugePageFill()). The first block is small, so that a small source takes little memory.
constexpr qsizetype kFirstBlockBytes = qsizetype(1) << 18;
constexpr qsizetype kBlockBytes = qsizetype(hugePageFill(std::size_t(8) << 20));

// A long string would waste much of a block: it gets an allocation of its own.
bool needsOwnAllocation(qsizetype size)
{
    return size + 1 > (qsizetype(1) << 15);
}

// Room for size characters and their NUL at the end of the pool's block, a new block when the
// current one is full.
template <typename Pool> auto* reserveIn(Pool& pool, qsizetype size)
{
    const qsizetype needed = size + 1;
    if (pool.block.isNull() || pool.used + needed > pool.block.capacity()) {
        using Unit = std::remove_reference_t<decltype(*pool.block.constData())>;
        const qsizetype bytes = pool.block.isNull() ? kFirstBlockBytes : kBlockBytes;
        // Reserved rather than sized, which would write a NUL at the end: the end of the last
        // block is often never used, and then never touched.
        pool.block = decltype(pool.block)();
        pool.block.reserve(bytes / qsizetype(sizeof(Unit)));
        pool.used = 0;
        preferHugePages(pool.block.constData(), size_t(bytes));
    }
    // Written through the block's own pointer: data() would copy the block once it is shared, and
    // these characters belong to no string handed out yet.
    return pool.block.data_ptr().data() + pool.used;
}

// Hands out the size characters written at the pool's reserved place.
template <typename Text, typename Pool> Text handOut(Pool& pool, qsizetype size)
{
    typename Text::DataPointer shared = pool.block.data_ptr();
    auto* const at = shared.data() + pool.used;
    at[size] = 0;
    pool.used += size + 1;
    shared.ptr = at;
    shared.size = size;
    return Text(std::move(shared));
}

} // namespace

void SharedBlocks::share(const QByteArray& source)
{
    m_source = source;
    if (!m_source.data_ptr().d_ptr())
        m_source = QByteArray();
}

QByteArray SharedBlocks::keep(QByteArrayView bytes)
{
    const auto source = reinterpret_cast<std::uintptr_t>(m_source.constData());
    const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
    if (!m_source.isEmpty() && start >= source &&
        start + size_t(bytes.size()) <= source + size_t(m_source.size())) {
        QByteArray::DataPointer view = m_source.data_ptr();
        view.ptr = const_cast<char*>(bytes.data());
        view.size = bytes.size();
        return QByteArray(std::move(view));
    }
    if (needsOwnAllocation(bytes.size()))
        return bytes.toByteArray();
    std::copy(bytes.begin(), bytes.end(), reserveIn(m_bytes, bytes.size()));
    return handOut<QByteArray>(m_bytes, bytes.size());
}

QString SharedBlocks::fromUtf8(QByteArrayView bytes)
{
    return text(m_utf8.requiredSpace(bytes.size()),
                [&](QChar* to) { return m_utf8.appendToBuffer(to, bytes) - to; });
}

QChar* SharedBlocks::beginText(qsizetype capacity)
{
    if (needsOwnAllocation(capacity)) {
        m_ownText = QString(capacity, Qt::Uninitialized);
        return m_ownText.data();
    }
    return reinterpret_cast<QChar*>(reserveIn(m_texts, capacity));
}

QString SharedBlocks::endText(qsizetype size)
{
    if (!m_ownText.isNull()) {
        m_ownText.truncate(size);
        return std::exchange(m_ownText, QString());
    }
    return handOut<QString>(m_texts, size);
}

} // namespace orvalink
