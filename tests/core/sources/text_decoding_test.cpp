#include "sources/text_decoding.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

TEST(TextDecoding, WritingUtf8GivesTheBytesOfTheAccentedPairs)
{
    // The six letters that older files carried as two-character pairs written through code
    // page 1252: real UTF-8 output produces exactly those bytes, and reading them back through
    // either path gives the letters.
    const QString letters = QStringLiteral("àèéìòù");
    const QByteArray utf8 = letters.toUtf8();
    EXPECT_EQ(utf8, QByteArray("\xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9"));
    EXPECT_EQ(QStringLiteral("città è").toUtf8(),
              QByteArray("\x63\x69\x74\x74\xC3\xA0\x20\xC3\xA8"));
    EXPECT_EQ(decodeText(utf8), letters);
    EXPECT_EQ(FromUtf8Pairs(decodeWindows1252(utf8)), letters);
}

TEST(TextDecoding, FallsBackToWindows1252WithoutLosingAByte)
{
    // A file written through code page 1252: pairs for à and è, single bytes for the rest.
    const QByteArray mixed("Citt\xC3\xA0 \xC3\xA8 \xC0 \xE7 \xFC \x80 \x81");
    EXPECT_EQ(decodeText(mixed), QStringLiteral("Città è À ç ü € \u0081"));
    EXPECT_EQ(decodeText(QByteArray("plain ascii")), QStringLiteral("plain ascii"));
    EXPECT_EQ(decodeText(QByteArray("\xE6\x97\xA5\xE6\x9C\xAC")), QStringLiteral("日本"));
    EXPECT_EQ(decodeText(QByteArray()), QString());
}

TEST(TextDecoding, OnlyTheSixLowerCaseLettersArePaired)
{
    const QString others = QStringLiteral("À ç ü È \u00C3 \u00C3\u00A1");
    EXPECT_EQ(FromUtf8Pairs(others), others);
    EXPECT_EQ(FromUtf8Pairs(QStringLiteral("a\u00C3\u00B9b\u00C3")), QStringLiteral("aùb\u00C3"));
    EXPECT_EQ(FromUtf8Pairs(QString()), QString());
}

} // namespace
} // namespace orvalink
