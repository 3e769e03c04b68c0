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
    QByteArray copy(QByteArrayView bytes);
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

    Pool<QByteArray> m_bytes;
    Pool<QString> m_texts;
    // A text too long to share a block, between beginText() and endText().
    QString m_ownText;
    // Each string is decoded on its own, as QString::fromUtf8() decodes it: a sequence cut off at
    // its end stands for nothing, and a byte-order mark at its start is dropped.
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

} // namespace orvalink
