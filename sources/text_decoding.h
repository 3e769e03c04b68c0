#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvalink {

// Text read from any file becomes Unicode here. UTF-8 is taken as it is. Anything else is read
// as Windows-1252, and then the two-character UTF-8 pairs of six accented letters (à è é ì ò ù)
// are turned back into their letters: files written through code page 1252 with those pairs mix
// both encodings, and this way no byte is lost.
QString decodeText(QByteArrayView bytes);

// Each byte as its Windows-1252 character; the five bytes that code page leaves undefined keep
// their own code point, as Windows itself maps them.
QString decodeWindows1252(QByteArrayView bytes);

// Turns the two-character forms (U+00C3 followed by U+00A0, U+00A8, U+00A9, U+00AC, U+00B2 or
// U+00B9) back into à, è, é, ì, ò and ù. Nothing else changes.
QString FromUtf8Pairs(QString text);

// The UTF-8 byte-order mark, which a file may start with.
inline constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);

} // namespace orvalink
