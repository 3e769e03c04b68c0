// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/text_width.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

using test::u8;

TEST(TextWidth, AddsVerdanaAdvancesAndRoundsOnce)
{
    // Bold "x" is 0.67 em, 7.37 pixels at 11 pixels to the em; "W" 1.13 em.
    EXPECT_EQ(textWidth(u"x"), 7);
    EXPECT_EQ(textWidth(u"W"), 12);
    EXPECT_EQ(textWidth(u"x", false), 6);
    // "i" is 3.74 pixels: alone it rounds up, but two make 7.48, not 8.
    EXPECT_EQ(textWidth(u"i"), 4);
    EXPECT_EQ(textWidth(u"ii"), 7);
    EXPECT_EQ(textWidth(u"Bookmarks"), 69);
    EXPECT_EQ(textWidth(u""), 0);
}

TEST(TextWidth, MeasuresCharactersBeyondAsciiByTheirKind)
{
    // Accented letters as their base letters, precomposed or not; the Angstrom sign decomposes
    // to an A with a ring in two steps.
    EXPECT_EQ(textWidth(u8("Ångström")), textWidth(u"Angstrom"));
    EXPECT_EQ(textWidth(u8("A\u030Angstro\u0308m")), textWidth(u"Angstrom"));
    EXPECT_EQ(textWidth(u8("\u212B")), textWidth(u"A"));
    EXPECT_EQ(textWidth(u8("Ñandú")), textWidth(u"Nandu"));
    // Wide characters take one em, also beyond the Basic Multilingual Plane.
    EXPECT_EQ(textWidth(u8("日本語")), 33);
    EXPECT_EQ(textWidth(u8("한국")), 22);
    EXPECT_EQ(textWidth(u8("ＡＢ")), 22);
    EXPECT_EQ(textWidth(u8("\U0001F600\U00020BB7")), 22);
    // Everything else measures as "x", a broken surrogate included.
    EXPECT_EQ(textWidth(u8("жłßΩ")), textWidth(u"xxxx"));
    EXPECT_EQ(textWidth(QString(QChar(0xD800))), textWidth(u"x"));
}

TEST(TextWidth, FindsBoundariesBetweenWholeCharacters)
{
    // "a", a thumbs-up with a skin tone (two surrogate pairs), "e" with an accent, "b".
    const QString text = u8("a\U0001F44D\U0001F3FDe\u0301b");
    const std::pair<qsizetype, qsizetype> boundaries[] = {{-1, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1},
                                                          {5, 5},  {6, 5}, {7, 7}, {99, 8}};
    for (const auto& [position, boundary] : boundaries)
        EXPECT_EQ(characterBoundaryBefore(text, position), boundary) << position;
    // After a Khmer sign Qt finds boundaries inside surrogate pairs too.
    EXPECT_EQ(characterBoundaryBefore(u8("\u17D8\U0001F600\U0001F600"), 4), 3);
}

} // namespace
} // namespace orvalink
