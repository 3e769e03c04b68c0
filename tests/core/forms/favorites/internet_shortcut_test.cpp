// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/internet_shortcut.h"
#include "forms/favorites/utf7.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orvalink {
namespace {

TEST(InternetShortcut, ReadsTheUrlAsWindowsDoes)
{
    const std::pair<QByteArrayView, const char16_t*> cases[] = {
        {"[InternetShortcut]\r\nURL=http://a/\r\n", u"http://a/"},
        // Section and key without regard to case; other sections and keys do not count.
        {"[DEFAULT]\nBASEURL=http://base/\n[internetshortcut]\nIDList=\nuRl=http://b/\n",
         u"http://b/"},
        {"[Other]\nURL=http://other/\n", u""},
        {"URL=http://nosection/\n", u""},
        {"[InternetShortcut]\nURLX=http://x/\nMyURL=http://y/\n", u""},
        // Blanks around everything; one pair of matching quotes.
        {"  [ InternetShortcut ]  \r\n\t URL \t=  http://c/ a \t\r\n", u"http://c/ a"},
        {"[InternetShortcut]\nURL=' http://e/ '\n", u" http://e/ "},
        {"[InternetShortcut]\nURL=\"\"http://f/\"\"\n", u"\"http://f/\""},
        {"[InternetShortcut]\nURL=\"http://g/'\n", u"\"http://g/'"},
        {"[InternetShortcut]\nURL=\"\n", u"\""},
        // The first occurrence, within a section and across repeated sections.
        {"[InternetShortcut]\nURL=http://1/\nURL=http://2/\n[InternetShortcut]\nURL=http://3/",
         u"http://1/"},
        {"[InternetShortcut]\nIconIndex=1\n[X]\nURL=http://x/\n[InternetShortcut]\nURL=http://4/",
         u"http://4/"},
        {"[InternetShortcut]\nURL=http://h/?a=1&b=2", u"http://h/?a=1&b=2"},
        // UTF-8 when valid, else Windows-1252; a UTF-8 byte-order mark.
        {"[InternetShortcut]\nURL=http://x/caf\xc3\xa9\n", u"http://x/caf\u00e9"},
        {"[InternetShortcut]\nURL=http://x/caf\xe9\x80\n", u"http://x/caf\u00e9\u20ac"},
        {"\xef\xbb\xbf[InternetShortcut]\nURL=http://x/\xc3\xa9\n", u"http://x/\u00e9"},
        // The Unicode twin, taken while the ANSI twin still equals the base value.
        {"[InternetShortcut]\r\nURL=http://?\?\?\?\?/\r\n[InternetShortcut.A]\r\nURL=http://"
         "?\?\?\?\?/"
         "\r\n[InternetShortcut.W]\r\nURL=http://+A6gDsSEVIScltg-/\r\n",
         u"http://\u03a8\u03b1\u2115\u2127\u25b6/"},
        {"[InternetShortcut.W]\nurl=http://+AOk-/\n[internetshortcut.a]\nURL=http://?/\n"
         "[InternetShortcut]\nURL=\"http://?/\"\n",
         u"http://\u00e9/"},
        {"[InternetShortcut]\nURL=http://edited/\n[InternetShortcut.A]\nURL=http://?/\n"
         "[InternetShortcut.W]\nURL=http://+AOk-/\n",
         u"http://edited/"},
        {"[InternetShortcut]\nURL=http://?/\n[InternetShortcut.W]\nURL=http://+AOk-/\n",
         u"http://?/"},
        // Not shortcuts at all.
        {"", u""},
        {"\xff\xfe", u""},
        {QByteArrayView("[InternetShortcut]\nURL=http://a/\0tail\n", 38), u"http://a/"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shortcutUrl(text), QString::fromUtf16(expected)) << text.toByteArray().data();

    const QString wide = QStringLiteral("[InternetShortcut]\r\nURL=http://x/\u65e5\u672c\r\n");
    for (const auto converter : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder utf16(converter, QStringConverter::Flag::WriteBom);
        EXPECT_EQ(shortcutUrl(QByteArray(utf16.encode(wide))), u"http://x/\u65e5\u672c");
    }
}

// Any bytes are the fuzzing harness's; here, files that are large or no files at all.
TEST(InternetShortcut, ReadsAnyFileWithoutHarm)
{
    // Several MB before a URL that is never cut.
    QByteArray big;
    for (int i = 0; i < 100000; ++i)
        big += "[Filler]\r\nKey=" + QByteArray(40, 'x') + "\r\n";
    big += "[InternetShortcut]\r\nURL=http://x/" + QByteArray(5000, 'p') + "\r\n";
    test::TempTree tree;
    EXPECT_EQ(readShortcutUrl(tree.write(QStringLiteral("big.url"), big)).size(), 5009);
    EXPECT_EQ(readShortcutUrl(tree.path(QStringLiteral("missing.url"))), u"");
    EXPECT_EQ(readShortcutUrl(tree.mkdir(QStringLiteral("folder.url"))), u"");
#ifdef Q_OS_UNIX
    const QString fifo = tree.path(QStringLiteral("fifo.url"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_EQ(readShortcutUrl(fifo), u"");
#endif
}

TEST(Utf7, DecodesAndEncodesRfc2152Text)
{
    // Encoded elsewhere: runs closed by "-" or by any other character.
    EXPECT_EQ(decodeUtf7(QStringLiteral("M+APw-ller +AH4AXA +-x +ZeVnLA-")),
              u"M\u00fcller ~\\ +x \u65e5\u672c");
    EXPECT_EQ(decodeUtf7(QStringLiteral("Hi Mom -+Jjo--!")), u"Hi Mom -\u263a-!");
    EXPECT_EQ(decodeUtf7(QStringLiteral("+2D3eAA-")), u"\U0001F600");
    // Ill-formed: a lone "+" and a run cut short.
    EXPECT_EQ(decodeUtf7(QStringLiteral("a+ b+")), u"a b");
    EXPECT_EQ(decodeUtf7(QStringLiteral("x+AO")), u"x");

    // That decoding gives back what was encoded is the fuzzing harness's.
    EXPECT_EQ(encodeUtf7(QStringLiteral("http://x/a-b.c?d=e+f")), "http://x/a-b.c?d=e+-f");
}

} // namespace
} // namespace orvalink
