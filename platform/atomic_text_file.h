// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"
#include "model/user_message.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QCoreApplication>
#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace orvalink {

// Where a writer puts the bytes it writes: a device, handed the bytes in large pieces (a million
// small writes would cost more than building the text), or a byte array in memory, which takes
// them as they come. Writers append to buffer() and call flushIfFull() after each line or record.
class ChunkedOutput
{
public:
    explicit ChunkedOutput(QIODevice& device);
    // Everything written is appended to bytes; nothing can fail.
    explicit ChunkedOutput(QByteArray& bytes);
    ChunkedOutput(const ChunkedOutput&) = delete;
    ChunkedOutput& operator=(const ChunkedOutput&) = delete;

    QByteArray& buffer() { return *m_buffer; }
    void append(QByteArrayView bytes) { m_buffer->append(bytes); }
    // Hands a large block to the device without copying it into the buffer.
    void writeThrough(QByteArrayView bytes);
    void flushIfFull()
    {
        if (m_device && m_buffer->size() >= kChunkSize)
            flush();
    }
    // Hands everything collected to the device. After a failed write nothing more is written.
    void flush();
    bool failed() const { return m_failed; }

private:
    void writeAll(QByteArrayView bytes);

    static constexpr qsizetype kChunkSize = qsizetype(1) << 17;
    // Most files written are small; the buffer grows towards a chunk only for those that are not.
    static constexpr qsizetype kFirstReserve = qsizetype(1) << 14;

    // Null when writing into memory.
    QIODevice* m_device = nullptr;
    QByteArray m_chunk;
    // m_chunk, or the byte array written into.
    QByteArray* m_buffer = &m_chunk;
    bool m_failed = false;
};

// A text file written whole or not at all. The bytes go to a new file beside the destination,
// which takes the destination's place (keeping its permissions) only once all of it is written;
// any failure leaves the old file as it was. Only a regular file is replaced; a symbolic link
// stays and the file it names is replaced.
class AtomicTextFile
{
public:
    // document names the kind of file in messages: "Bookmark File", "Menu Page".
    explicit AtomicTextFile(const QString& path, QString document = QCoreApplication::translate(
                                                     "orvalink::AtomicTextFile", "Bookmark File"));

    Result<void, UserMessage> open();
    ChunkedOutput& output() { return m_output; }
    // Writes what is left and puts the new file in place of the old one.
    Result<void, UserMessage> commit();

private:
    QString m_path;
    QString m_document;
    QSaveFile m_file;
    ChunkedOutput m_output;
};

// The message for a file that could not be read or written: the permission message when the
// file or its folder refuses us, otherwise the system's reason. document names the kind of file.
UserMessage
fileWriteFailure(const QString& path, const QString& reason,
                 const QString& document = QCoreApplication::translate("orvalink::AtomicTextFile",
                                                                       "Bookmark File"));

// The bytes of the file a merge goes into, read whole before the new file replaces it. Only a
// regular file is read; a failure comes back as the message to show.
Result<QByteArray, UserMessage> readFileToMerge(const QString& path);

// The text a merge keeps of an old file's bytes: the bytes as they are, or, for UTF-16, the same
// text as UTF-8 after a UTF-8 byte-order mark (made in storage), as the writers add UTF-8 to it.
QByteArrayView textToMergeInto(QByteArrayView bytes, QByteArray& storage);

// Writes the UTF-16 unit at p (with its partner, for a surrogate pair) as UTF-8 at dst, advancing
// both; see writeUtf8().
template <typename Escape>
void writeUtf8Unit(char*& dst, const char16_t*& p, const char16_t* end, char16_t previous,
                   Escape escape)
{
    const char16_t c = *p++;
    if (c < 0x80) {
        if (!escape(dst, c, previous))
            *dst++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *dst++ = static_cast<char>(0xC0 | (c >> 6));
        *dst++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
        const char32_t u = QChar::surrogateToUcs4(c, *p++);
        *dst++ = static_cast<char>(0xF0 | (u >> 18));
        *dst++ = static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        *dst++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        *dst++ = static_cast<char>(0x80 | (u & 0x3F));
    } else if (QChar::isSurrogate(c)) {
        *dst++ = '\xEF';
        *dst++ = '\xBF';
        *dst++ = '\xBD';
    } else {
        *dst++ = static_cast<char>(0xE0 | (c >> 12));
        *dst++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *dst++ = static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Writes text as UTF-8 at dst and advances dst. For each ASCII character c, escape(dst, c,
// previous) may write a form of its own at dst, advance dst and return true; previous is the
// UTF-16 unit before c (0 at the start). A surrogate without its partner becomes U+FFFD, as
// QString::toUtf8() makes it. dst must have room for utf8Room() bytes.
template <typename Escape> void writeUtf8(char*& dst, QStringView text, Escape escape)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    for (char16_t previous = 0; p < end; previous = p[-1])
        writeUtf8Unit(dst, p, end, previous, escape);
}

// True when the eight UTF-16 units at p are all printable ASCII (U+0020 to U+007E); then their
// bytes are written at dst.
inline bool copyPrintableAscii8(char* dst, const char16_t* p)
{
#ifdef __SSE2__
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    // Signed comparisons: units from U+8000 up count as below U+0020.
    const __m128i outside = _mm_or_si128(_mm_cmplt_epi16(units, _mm_set1_epi16(0x20)),
                                         _mm_cmpgt_epi16(units, _mm_set1_epi16(0x7E)));
    if (_mm_movemask_epi8(outside) != 0)
        return false;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(units, units));
    return true;
#else
    for (int i = 0; i < 8; ++i) {
        if (p[i] < 0x20 || p[i] > 0x7E)
            return false;
    }
    std::copy(p, p + 8, dst);
    return true;
#endif
}

// As writeUtf8(), for an escape that acts on control characters alone (below U+0020): runs of
// printable ASCII, most of a name or an address, are copied eight characters at a time.
template <typename Escape> void writeUtf8Line(char*& dst, QStringView text, Escape escape)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    char16_t previous = 0;
    while (p < end) {
        if (end - p >= 8 && copyPrintableAscii8(dst, p)) {
            dst += 8;
            p += 8;
        } else {
            writeUtf8Unit(dst, p, end, previous, escape);
        }
        previous = p[-1];
    }
}

// The most writeUtf8() writes for text with an escape that writes at most maxEscapeLength bytes.
inline qsizetype utf8Room(QStringView text, qsizetype maxEscapeLength)
{
    return text.size() * std::max<qsizetype>(3, maxEscapeLength);
}

// Appends text as UTF-8, as writeUtf8() writes it.
template <typename Escape>
void appendUtf8(QByteArray& out, QStringView text, qsizetype maxEscapeLength, Escape escape)
{
    const qsizetype start = out.size();
    // Room for the worst case up front, so the loop writes through a plain pointer.
    out.resize(start + utf8Room(text, maxEscapeLength));
    char* dst = out.data() + start;
    writeUtf8(dst, text, escape);
    out.resize(dst - out.constData());
}

// Writes an ASCII replacement at dst, for escape functions of writeUtf8().
template <size_t N> inline void putAscii(char*& dst, const char (&text)[N])
{
    std::memcpy(dst, text, N - 1);
    dst += N - 1;
}

} // namespace orvalink
