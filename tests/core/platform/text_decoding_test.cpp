// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_decoding.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

const char* const kAccentedUtf8 = "\xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9";

TEST(TextDecoding, ReadsUtf8OrFallsBackToWindows1252WithoutLosingAByte)
{
    EXPECT_EQ(decodeText(kAccentedUtf8), QStringLiteral("àèéìòù"));
    EXPECT_EQ(decodeText("\xE6\x97\xA5\xE6\x9C\xAC"), QStringLiteral("日本"));
    // A file written through code page 1252: pairs for à and è, single bytes for the rest.
    EXPECT_EQ(decodeText("Citt\xC3\xA0 \xC3\xA8 \xC0 \xE7 \xFC \x80 \x81"),
              QStringLiteral("Città è À ç ü € \u0081"));
    EXPECT_EQ(decodeText(QByteArray()), QString());
}

TEST(TextDecoding, OnlyTheSixLowerCaseLettersArePaired)
{
    // Older files carried these letters as their UTF-8 bytes read through code page 1252.
    EXPECT_EQ(FromUtf8Pairs(decodeWindows1252(kAccentedUtf8)), QStringLiteral("àèéìòù"));
    const QString others = QStringLiteral("À ç ü È \u00C3 \u00C3\u00A1");
    EXPECT_EQ(FromUtf8Pairs(others), others);
    EXPECT_EQ(FromUtf8Pairs(QStringLiteral("a\u00C3\u00B9b\u00C3")), QStringLiteral("aùb\u00C3"));
}

} // namespace
} // namespace orvalink
