// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/html_entities.h"

#include "platform/text_decoding.h"

#include <algorithm>
#include <array>

namespace orvalink {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

int digitValue(char16_t c, int base)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isAsciiAlphanumeric(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

void appendCodePoint(QString& out, char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        out += QChar(QChar::highSurrogate(codePoint));
        out += QChar(QChar::lowSurrogate(codePoint));
    } else {
        out += QChar(static_cast<char16_t>(codePoint));
    }
}

// A numeric reference whose "#" stands at pos. Appends its character and returns the position
// after it, or returns -1 when no digit follows (the "&" then stays as written).
qsizetype decodeNumeric(QStringView text, qsizetype pos, QString& out)
{
    qsizetype i = pos + 1;
    int base = 10;
    if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    }
    const qsizetype digits = i;
    char32_t value = 0;
    // Every digit is read, but the value stops growing once it is out of range: a reference
    // with a thousand digits must neither overflow nor be taken for a small number.
    bool outOfRange = false;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i].unicode(), base);
        if (digit < 0)
            break;
        if (!outOfRange) {
            value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
            outOfRange = value > kLastCodePoint;
        }
    }
    if (i == digits)
        return -1;
    if (i < text.size() && text[i] == u';')
        ++i;

    char32_t codePoint = value;
    if (outOfRange || value == 0 || QChar::isSurrogate(value)) {
        codePoint = kReplacementCharacter;
    } else if (value >= 0x80 && value <= 0x9F) {
        // Old pages wrote Windows-1252 byte values as numbers ("&#128;" for the euro sign).
        const char byte = static_cast<char>(value);
        codePoint = decodeWindows1252(QByteArrayView(&byte, 1)).at(0).unicode();
    }
    appendCodePoint(out, codePoint);
    return i;
}

// A named reference whose name starts at pos. Appends its characters and returns the position
// after its ";", or returns -1 when it is no known name closed by ";".
qsizetype decodeNamed(QStringView text, qsizetype pos, QString& out)
{
    qsizetype end = pos;
    while (end < text.size() && end - pos <= kLongestNamedReference &&
           isAsciiAlphanumeric(text[end].unicode()))
        ++end;
    const qsizetype length = end - pos;
    if (length == 0 || length > kLongestNamedReference || end >= text.size() || text[end] != u';')
        return -1;

    std::array<char, kLongestNamedReference> bytes{};
    for (qsizetype i = 0; i < length; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<char>(text[pos + i].unicode());
    const std::string_view name(bytes.data(), static_cast<size_t>(length));

    const std::span<const NamedCharacterReference> table = namedCharacterReferences();
    const auto found = std::lower_bound(table.begin(), table.end(), name,
                                        [](const NamedCharacterReference& entry,
                                           std::string_view key) { return entry.name < key; });
    if (found == table.end() || found->name != name)
        return -1;
    appendCodePoint(out, found->first);
    if (found->second != 0)
        appendCodePoint(out, found->second);
    return end + 1;
}

} // namespace

QString decodeCharacterReferences(const QString& text)
{
    qsizetype ampersand = text.indexOf(u'&');
    if (ampersand < 0)
        return text;

    const QStringView view(text);
    QString decoded;
    decoded.reserve(text.size());
    qsizetype copied = 0;
    while (ampersand >= 0) {
        decoded += view.sliced(copied, ampersand - copied);
        qsizetype next = -1;
        if (ampersand + 1 < view.size()) {
            next = view[ampersand + 1] == u'#' ? decodeNumeric(view, ampersand + 1, decoded)
                                               : decodeNamed(view, ampersand + 1, decoded);
        }
        if (next < 0) {
            decoded += u'&';
            next = ampersand + 1;
        }
        copied = next;
        ampersand = text.indexOf(u'&', copied);
    }
    decoded += view.sliced(copied);
    return decoded;
}

} // namespace orvalink
