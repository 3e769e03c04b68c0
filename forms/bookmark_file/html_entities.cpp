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

void writeCodePoint(QChar*& out, char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        *out++ = QChar(QChar::highSurrogate(codePoint));
        *out++ = QChar(QChar::lowSurrogate(codePoint));
    } else {
        *out++ = QChar(static_cast<char16_t>(codePoint));
    }
}

// A numeric reference whose "#" stands at pos. Writes its character and returns the position
// after it, or returns -1 when no digit follows (the "&" then stays as written).
qsizetype decodeNumeric(QStringView text, qsizetype pos, QChar*& out)
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
    writeCodePoint(out, codePoint);
    return i;
}

// A named reference whose name starts at pos. Writes its characters and returns the position
// after its ";", or returns -1 when it is no known name closed by ";".
qsizetype decodeNamed(QStringView text, qsizetype pos, QChar*& out)
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
    writeCodePoint(out, found->first);
    if (found->second != 0)
        writeCodePoint(out, found->second);
    return end + 1;
}

} // namespace

qsizetype decodeCharacterReferencesInPlace(QChar* text, qsizetype size)
{
    // Everything before a reference is read before its characters are written, and they take
    // no more room than it, so the writing never overtakes the reading.
    const QStringView view(text, size);
    qsizetype ampersand = view.indexOf(u'&');
    if (ampersand < 0)
        return size;
    QChar* out = text + ampersand;
    while (ampersand >= 0) {
        qsizetype next = -1;
        if (ampersand + 1 < size) {
            next = view[ampersand + 1] == u'#' ? decodeNumeric(view, ampersand + 1, out)
                                               : decodeNamed(view, ampersand + 1, out);
        }
        if (next < 0) {
            *out++ = u'&';
            next = ampersand + 1;
        }
        ampersand = view.indexOf(u'&', next);
        const qsizetype copyEnd = ampersand < 0 ? size : ampersand;
        if (out != text + next)
            std::copy(text + next, text + copyEnd, out);
        out += copyEnd - next;
    }
    return out - text;
}

QString decodeCharacterReferences(const QString& text)
{
    if (!text.contains(u'&'))
        return text;
    QString decoded = text;
    decoded.truncate(decodeCharacterReferencesInPlace(decoded.data(), decoded.size()));
    return decoded;
}

} // namespace orvalink
