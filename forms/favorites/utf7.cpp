// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/utf7.h"

#include <string_view>

namespace orvalink {

namespace {

constexpr char kBase64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The value of a modified base64 digit, or -1.
int base64Value(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}

// RFC 2152's directly encoded characters: set D, set O and the four blanks. "~" and "\" are
// left out, as the RFC advises.
bool isDirect(char16_t c)
{
    static constexpr std::u16string_view kPunctuation = u"'(),-./:? \t\r\n!\"#$%&*;<=>@[]^_`{|}";
    return (base64Value(c) >= 0 && c != u'+' && c != u'/') ||
           kPunctuation.find(c) != std::u16string_view::npos;
}

} // namespace

QString decodeUtf7(const QString& text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = text[i].unicode();
        ++i;
        if (c != u'+') {
            result += QChar(c);
            continue;
        }
        if (i < size && text[i] == QLatin1Char('-')) {
            result += QLatin1Char('+');
            ++i;
            continue;
        }
        quint32 bits = 0;
        int bitCount = 0;
        for (; i < size; ++i) {
            const int value = base64Value(text[i].unicode());
            if (value < 0)
                break;
            bits = (bits << 6) | static_cast<quint32>(value);
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                result += QChar(static_cast<char16_t>(bits >> bitCount));
                bits &= (1U << bitCount) - 1;
            }
        }
        // A "-" only closes the run; any other character after it is itself.
        if (i < size && text[i] == QLatin1Char('-'))
            ++i;
    }
    return result;
}

QByteArray encodeUtf7(const QString& text)
{
    QByteArray result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = text[i].unicode();
        if (isDirect(c)) {
            result += static_cast<char>(c);
            ++i;
            continue;
        }
        if (c == u'+') {
            result += "+-";
            ++i;
            continue;
        }
        result += '+';
        quint32 bits = 0;
        int bitCount = 0;
        for (; i < size && !isDirect(text[i].unicode()) && text[i] != QLatin1Char('+'); ++i) {
            bits = (bits << 16) | text[i].unicode();
            bitCount += 16;
            while (bitCount >= 6) {
                bitCount -= 6;
                result += kBase64Digits[(bits >> bitCount) & 0x3F];
            }
            bits &= (1U << bitCount) - 1;
        }
        if (bitCount > 0)
            result += kBase64Digits[(bits << (6 - bitCount)) & 0x3F];
        // Always closed, so that a following "-" or base64 letter cannot be misread.
        result += '-';
    }
    return result;
}

} // namespace orvalink
