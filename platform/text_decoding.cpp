// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_decoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace orvalink {

namespace {

// Windows-1252 at 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

QString FromUtf8Pairs(QString text)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 6> kPairs = {{
        {0x00A0, 0x00E0}, // à
        {0x00A8, 0x00E8}, // è
        {0x00A9, 0x00E9}, // é
        {0x00AC, 0x00EC}, // ì
        {0x00B2, 0x00F2}, // ò
        {0x00B9, 0x00F9}, // ù
    }};
    if (!text.contains(QChar(0x00C3)))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(0x00C3) && i + 1 < text.size()) {
            const char16_t next = text[i + 1].unicode();
            bool replaced = false;
            for (const auto& [second, letter] : kPairs) {
                if (next == second) {
                    result += QChar(letter);
                    ++i;
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        result += text[i];
    }
    return result;
}

namespace {

constexpr QStringConverter::Flags kUtf8Flags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

} // namespace

qsizetype decodedTextCapacity(qsizetype byteCount)
{
    return std::max(QStringDecoder(QStringConverter::Utf8, kUtf8Flags).requiredSpace(byteCount),
                    byteCount);
}

qsizetype decodeTextTo(QByteArrayView bytes, QChar* out)
{
    // Most text is ASCII: widened in one pass that also notes whether any byte was not, a loop
    // without an early exit that the compiler turns into vector code.
    unsigned char highBits = 0;
    char16_t* const units = reinterpret_cast<char16_t*>(out);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        units[i] = byte;
        highBits |= byte;
    }
    if (highBits < 0x80)
        return bytes.size();
    QStringDecoder utf8(QStringConverter::Utf8, kUtf8Flags);
    const QChar* const end = utf8.appendToBuffer(out, bytes);
    if (!utf8.hasError())
        return end - out;
    // Neither form is longer than the bytes: one character a byte, fewer for the pairs.
    const QString text = FromUtf8Pairs(decodeWindows1252(bytes));
    std::copy(text.begin(), text.end(), out);
    return text.size();
}

QString decodeText(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text(decodedTextCapacity(bytes.size()), Qt::Uninitialized);
    text.truncate(decodeTextTo(bytes, text.data()));
    return text;
}

bool isUtf16Text(QByteArrayView bytes)
{
    return bytes.startsWith(kUtf16LeBom) || bytes.startsWith(kUtf16BeBom);
}

QByteArray utf8FromUtf16(QByteArrayView bytes)
{
    QStringDecoder utf16(bytes.startsWith(kUtf16BeBom) ? QStringConverter::Utf16BE
                                                       : QStringConverter::Utf16LE,
                         QStringConverter::Flag::Stateless);
    const QString text = utf16.decode(bytes.sliced(kUtf16LeBom.size()));
    return text.toUtf8();
}

QByteArrayView textBytes(QByteArrayView bytes, QByteArray& storage)
{
    if (isUtf16Text(bytes)) {
        storage = utf8FromUtf16(bytes);
        return storage;
    }
    return bytes.startsWith(kUtf8Bom) ? bytes.sliced(kUtf8Bom.size()) : bytes;
}

} // namespace orvalink
