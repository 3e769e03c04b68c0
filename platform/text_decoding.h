// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvalink {

// Text read from any file becomes Unicode here. UTF-8 is taken as it is. Anything else is read
// as Windows-1252, and then the two-character UTF-8 pairs of six accented letters (à è é ì ò ù)
// are turned back into their letters: files written through code page 1252 with those pairs mix
// both encodings, and this way no byte is lost.
QString decodeText(QByteArrayView bytes);

// The room decodeTextTo() needs for that many bytes: never less than the byte count.
qsizetype decodedTextCapacity(qsizetype byteCount);
// What decodeText() gives, written to out, which has room for decodedTextCapacity(bytes.size())
// characters; returns how many it wrote. For readers that keep text in storage of their own.
qsizetype decodeTextTo(QByteArrayView bytes, QChar* out);

// Each byte as its Windows-1252 character; the five bytes that code page leaves undefined keep
// their own code point, as Windows itself maps them.
QString decodeWindows1252(QByteArrayView bytes);

// Turns the two-character forms (U+00C3 followed by U+00A0, U+00A8, U+00A9, U+00AC, U+00B2 or
// U+00B9) back into à, è, é, ì, ò and ù. Nothing else changes.
QString FromUtf8Pairs(QString text);

// The byte-order marks a text file may start with: UTF-8, and UTF-16 little- and big-endian, as
// Windows tools write it.
inline constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
inline constexpr QByteArrayView kUtf16LeBom("\xFF\xFE", 2);
inline constexpr QByteArrayView kUtf16BeBom("\xFE\xFF", 2);

// Whether bytes start with a UTF-16 byte-order mark.
bool isUtf16Text(QByteArrayView bytes);

// UTF-16 text that starts with its byte-order mark, as UTF-8 without a mark.
QByteArray utf8FromUtf16(QByteArrayView bytes);

// A text file's bytes as the readers walk them: byte by byte, in UTF-8 or a single-byte code
// page, without a byte-order mark. UTF-16 is converted once into storage, which the view then
// points into; anything else is viewed in place.
QByteArrayView textBytes(QByteArrayView bytes, QByteArray& storage);

} // namespace orvalink
