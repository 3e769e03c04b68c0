// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/html_entities.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

QString decoded(const char* utf8)
{
    return decodeCharacterReferences(QString::fromUtf8(utf8));
}

TEST(CharacterReferences, DecodesNumbersAndMapsInvalidOnesToTheReplacementCharacter)
{
    EXPECT_EQ(decoded("It&#39;s &#x27;hex&#X27; &#233;&#x1F600;"),
              QString::fromUtf8("It's 'hex' é😀"));
    // HTML reads a number without its ";" as well.
    EXPECT_EQ(decoded("&#65&#x42z"), QStringLiteral("ABz"));
    EXPECT_EQ(decoded("&#0;|&#xD800;|&#x110000;|&#99999999999999999999999;|&#x10FFFF;"),
              QString::fromUtf8("\xEF\xBF\xBD|\xEF\xBF\xBD|\xEF\xBF\xBD|\xEF\xBF\xBD|") +
                  QString::fromUcs4(U"\U0010FFFF"));
    EXPECT_EQ(decoded("&#128;&#x93;&#x81;&#159;"), QString::fromUtf8("€“\xC2\x81Ÿ"));
    // Without a digit there is no number.
    EXPECT_EQ(decoded("&#;&#x;&#"), QStringLiteral("&#;&#x;&#"));
}

TEST(CharacterReferences, DecodesNamedOnesOnlyWithTheirSemicolon)
{
    EXPECT_EQ(decoded("&lt;b&gt; &quot;Tom &amp; Jerry&quot; &AMP; &nbsp;&hellip;&euro;"),
              QString::fromUtf8("<b> \"Tom & Jerry\" & \u00A0…€"));
    EXPECT_EQ(decoded("&NotEqualTilde;&CounterClockwiseContourIntegral;"),
              QString::fromUtf8("\u2242\u0338\u2233"));
    // An old file's query strings and text keep every "&" that is not a complete reference.
    EXPECT_EQ(decoded("?a=1&region=us&copy=2 AT&T &copy &unknown; &amp &"),
              QStringLiteral("?a=1&region=us&copy=2 AT&T &copy &unknown; &amp &"));
    EXPECT_EQ(decoded("&CounterClockwiseContourIntegralX;&Amp;"),
              QStringLiteral("&CounterClockwiseContourIntegralX;&Amp;"));
    // Each reference is replaced once, left to right.
    EXPECT_EQ(decoded("&amp;amp; &amp;lt;"), QStringLiteral("&amp; &lt;"));
}

TEST(CharacterReferences, TableIsSortedAndNoNameDecodesLongerThanItIsWritten)
{
    const auto table = namedCharacterReferences();
    ASSERT_GT(table.size(), 2000u);
    size_t longest = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(table[i - 1].name, table[i].name) << table[i].name;
        }
        longest = std::max(longest, table[i].name.size());
        // Decoding in place relies on it.
        const char32_t points[] = {table[i].first, table[i].second};
        const QString characters = QString::fromUcs4(points, table[i].second != 0 ? 2 : 1);
        EXPECT_LE(size_t(characters.size()), table[i].name.size() + 2) << table[i].name;
    }
    EXPECT_EQ(longest, size_t(kLongestNamedReference));
}

} // namespace
} // namespace orvalink
