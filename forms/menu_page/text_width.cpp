// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/text_width.h"

#include <QChar>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace orvalink {

namespace {

// Advance widths in hundredths of the font size.
struct Advance
{
    std::uint8_t regular;
    std::uint8_t bold;
};

constexpr char32_t kFirstAscii = 32;
constexpr char32_t kLastAscii = 126;

// Verdana's advances of the printable ASCII characters, from the space to the tilde.
// clang-format off
constexpr std::array<Advance, kLastAscii - kFirstAscii + 1> kAsciiAdvances = {{
    { 35,  34}, // space
    { 39,  40}, // !
    { 46,  59}, // "
    { 82,  87}, // #
    { 64,  71}, // $
    {108, 127}, // %
    { 73,  86}, // &
    { 27,  33}, // '
    { 45,  54}, // (
    { 45,  54}, // )
    { 64,  71}, // *
    { 82,  87}, // +
    { 36,  36}, // ,
    { 45,  48}, // -
    { 36,  36}, // .
    { 45,  69}, // /
    { 64,  71}, // 0
    { 64,  71}, // 1
    { 64,  71}, // 2
    { 64,  71}, // 3
    { 64,  71}, // 4
    { 64,  71}, // 5
    { 64,  71}, // 6
    { 64,  71}, // 7
    { 64,  71}, // 8
    { 64,  71}, // 9
    { 45,  40}, // :
    { 45,  40}, // ;
    { 82,  87}, // <
    { 82,  87}, // =
    { 82,  87}, // >
    { 55,  62}, // ?
    {100,  96}, // @
    { 68,  78}, // A
    { 69,  76}, // B
    { 70,  72}, // C
    { 77,  83}, // D
    { 63,  68}, // E
    { 57,  65}, // F
    { 78,  81}, // G
    { 75,  84}, // H
    { 42,  55}, // I
    { 45,  56}, // J
    { 69,  77}, // K
    { 56,  64}, // L
    { 84,  95}, // M
    { 75,  85}, // N
    { 79,  85}, // O
    { 60,  73}, // P
    { 79,  85}, // Q
    { 70,  78}, // R
    { 68,  71}, // S
    { 62,  68}, // T
    { 73,  81}, // U
    { 68,  76}, // V
    { 99, 113}, // W
    { 69,  76}, // X
    { 62,  74}, // Y
    { 69,  69}, // Z
    { 45,  54}, // [
    { 45,  69}, // backslash
    { 45,  54}, // ]
    { 82,  87}, // ^
    { 64,  71}, // _
    { 64,  71}, // `
    { 60,  67}, // a
    { 62,  70}, // b
    { 52,  59}, // c
    { 62,  70}, // d
    { 60,  66}, // e
    { 35,  42}, // f
    { 62,  70}, // g
    { 63,  71}, // h
    { 27,  34}, // i
    { 34,  40}, // j
    { 59,  67}, // k
    { 27,  34}, // l
    { 97, 106}, // m
    { 63,  71}, // n
    { 61,  69}, // o
    { 62,  70}, // p
    { 62,  70}, // q
    { 43,  50}, // r
    { 52,  59}, // s
    { 39,  46}, // t
    { 63,  71}, // u
    { 59,  65}, // v
    { 82,  98}, // w
    { 59,  67}, // x
    { 59,  65}, // y
    { 53,  60}, // z
    { 63,  71}, // {
    { 45,  54}, // |
    { 63,  71}, // }
    { 82,  87}, // ~
}};
// clang-format on

constexpr int kEm = 100;
constexpr int kPixelsPerEm = 11;

// How a code point is measured: as the ASCII character of that index into kAsciiAdvances, or as
// one of these two.
using WidthClass = std::uint8_t;
constexpr WidthClass kFullEm = 0xFE;
constexpr WidthClass kNothing = 0xFF;

constexpr WidthClass asciiClass(char32_t c)
{
    return static_cast<WidthClass>(c - kFirstAscii);
}

bool isEastAsianWide(char32_t c)
{
    const std::span<const CodePointRange> ranges = eastAsianWideRanges();
    const auto it = std::upper_bound(
        ranges.begin(), ranges.end(), c,
        [](char32_t value, const CodePointRange& range) { return value < range.first; });
    return it != ranges.begin() && c <= std::prev(it)->last;
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

WidthClass classify(char32_t c)
{
    if (c >= kFirstAscii && c <= kLastAscii)
        return asciiClass(c);
    if (isEastAsianWide(c))
        return kFullEm;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return kNothing;
    default:
        break;
    }
    if (QChar::isLetter(c)) {
        // An accented letter decomposes, step by step, into its base letter and its marks.
        char32_t base = c;
        while (QChar::decompositionTag(base) == QChar::Canonical) {
            const QString parts = QChar::decomposition(base);
            base = parts.size() > 1 && QChar::isHighSurrogate(parts[0].unicode())
                       ? QChar::surrogateToUcs4(parts[0], parts[1])
                       : parts[0].unicode();
        }
        if (isAsciiLetter(base))
            return asciiClass(base);
    }
    return asciiClass(U'x');
}

// The classes of the Basic Multilingual Plane, worked out on first use: nearly every character
// of every text lies there, and a decomposition costs a string each time.
const std::vector<WidthClass>& basicPlaneClasses()
{
    static const std::vector<WidthClass> classes = [] {
        std::vector<WidthClass> table(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c)
            table[c] = classify(c);
        return table;
    }();
    return classes;
}

int advance(WidthClass widthClass, bool bold)
{
    if (widthClass == kFullEm)
        return kEm;
    if (widthClass == kNothing)
        return 0;
    const Advance& ascii = kAsciiAdvances[widthClass];
    return bold ? ascii.bold : ascii.regular;
}

} // namespace

int textWidth(QStringView text, bool bold)
{
    const std::vector<WidthClass>& classes = basicPlaneClasses();
    qint64 units = 0;
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p < end) {
        const char16_t c = *p++;
        if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p))
            units += advance(classify(QChar::surrogateToUcs4(c, *p++)), bold);
        else
            units += advance(classes[c], bold);
    }
    return static_cast<int>((units * kPixelsPerEm + kEm / 2) / kEm);
}

qsizetype characterBoundaryBefore(const QString& text, qsizetype position)
{
    if (position <= 0)
        return 0;
    if (position >= text.size())
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(position);
    qsizetype boundary = finder.isAtBoundary() ? position : finder.toPreviousBoundary();
    // After some scripts (Khmer) the finder also reports boundaries inside surrogate pairs.
    while (boundary > 0 && text.at(boundary).isLowSurrogate())
        boundary = finder.toPreviousBoundary();
    return std::max<qsizetype>(0, boundary);
}

} // namespace orvalink
