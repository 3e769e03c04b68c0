// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace orvalink {

// Keeps many short strings in a few large blocks instead of one allocation each: a reader that
// keeps hundreds of thousands of them (a bookmark file's names, addresses and icons) would
// otherwise spend most of its time in the allocator. Each string handed out is an ordinary
// QByteArray or QString that shares its block, so the block lives as long as any of its strings;
// changing one copies it first, as Qt's implicit sharing always does. Each string is followed by
// a NUL, as every Qt string's data is.
class SharedBlocks
{
public:
    // Bytes that keep() hands out views of, rather than copies, when asked for a part of them:
    // the whole text a reader walks, held in an array of its own. The views keep all of it alive
    // and, unlike copies, are not followed by a NUL. An array that does not own its bytes (see
    // QByteArray::fromRawData()) is not shared.
    void share(const QByteArray& source);
    // The bytes as a byte array: a view of the shared source when they lie in it, else a copy in
    // a block.
    QByteArray keep(QByteArrayView bytes);
    // UTF-8 bytes as text, as QString::fromUtf8() makes it.
    QString fromUtf8(QByteArrayView bytes);
    // Text of at most capacity characters, written in place by write(QChar* to), which returns
    // how many it wrote: a decoder writes straight into the block, whatever it turns out to take.
    template <typename Write> QString text(qsizetype capacity, Write write)
    {
        QChar* const at = beginText(capacity);
        return endText(write(at));
    }

private:
    // Room for capacity characters, and the string made of the first size of them.
    QChar* beginText(qsizetype capacity);
    QString endText(qsizetype size);

    // The block being filled and how much of it is handed out.
    template <typename Text> struct Pool
    {
        Text block;
        qsizetype used = 0;
    };

    QByteArray m_source;
    Pool<QByteArray> m_bytes;
    Pool<QString> m_texts;
    // A text too long to share a block, between beginText() and endText().
    QString m_ownText;
    // Each string is decoded on its own, as QString::fromUtf8() decodes it: a sequence cut off at
    // its end stands for nothing, and a byte-order mark at its start is dropped.
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

} // namespace orvalink
