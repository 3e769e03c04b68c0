// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form_table.h"
#include "tests/support/temp_tree.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

TEST(FormTable, EveryConversionReadsAndWritesFormsThatCan)
{
    for (const StorageForm* form : allForms()) {
        EXPECT_EQ(&formOf(form->id()), form);
        // A form may share its name with the family's first (Firefox's database).
        const StorageForm* named = formNamed(form->commandLineName());
        ASSERT_NE(named, nullptr);
        EXPECT_TRUE(named == form || named->id() < form->id());
    }
    for (const Conversion& conversion : kConversions) {
        EXPECT_TRUE(sourceForm(conversion.mode).canRead());
        EXPECT_TRUE(destinationForm(conversion.mode).canWrite());
        EXPECT_EQ(modeOf(conversion.source, conversion.destination), conversion.mode);
    }
}

// What a file form takes for its content: its own, or a file holding nothing, and nothing else,
// which it refuses with a message that names the file.
TEST(FormRecognition, FileFormsTakeOnlyTheirOwnContent)
{
    const QByteArray bookmarkFile = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n</DL><p>\n";
    const QByteArray handMade = "<title>Mine</title>\n<dl>\n<dt><a href=\"https://x/\">x</a>\n";
    const QByteArray hotlist = "Opera Hotlist version 2.0\n\n#URL\n\tNAME=x\n\tURL=https://x/\n";
    const QByteArray json = R"({"roots": {"bookmark_bar": {"type": "folder"}}, "version": 1})";
    const QByteArray passwd = "root:x:0:0:root:/root:/bin/bash\n";
    const QByteArray binary("#URL\n\0\x01\xff<DL><DT>", 15);
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray bookmarkFileInUtf16 = utf16.encode(QString::fromUtf8(bookmarkFile));
    QStringEncoder utf16be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);

    struct Case
    {
        FormId form;
        QByteArray content;
        bool taken;
    };
    const Case cases[] = {
        {FormId::BookmarkFile, bookmarkFile, true},
        {FormId::BookmarkFile, handMade, true},
        {FormId::BookmarkFile, bookmarkFileInUtf16, true},
        {FormId::BookmarkFile, " \r\n", true},
        {FormId::BookmarkFile, "\xEF\xBB\xBF \r\n<!doctype netscape-bookmark-file-1>", true},
        {FormId::BookmarkFile, utf16be.encode(u"<!DOCTYPE NETSCAPE-Bookmark-file-1>"), true},
        {FormId::BookmarkFile, "<html><h1 class=x>Mine</h1><dl>\n<dt><a href=x>x</a></dl>", true},
        {FormId::BookmarkFile, bookmarkFile + '\0', false},
        {FormId::BookmarkFile, "Opera Hotlist version 2.0\n#URL\n\tURL=<DL><DT>", false},
        {FormId::BookmarkFile, "<title>Glossary</title><dl><dd>No terms</dd></dl>", false},
        {FormId::BookmarkFile, "<dl><dt>List</dt></dl><title>Title after the list</title>", false},
        {FormId::BookmarkFile, "<H1x>Not a header</H1x><DL><DT>", false},
        {FormId::BookmarkFile, hotlist, false},
        {FormId::BookmarkFile, json, false},
        {FormId::BookmarkFile, passwd, false},
        {FormId::BookmarkFile, binary, false},
        {FormId::Hotlist, hotlist, true},
        {FormId::Hotlist, "#FOLDER\n\tNAME=x\n-\n", true},
        {FormId::Hotlist, "", true},
        {FormId::Hotlist, bookmarkFile, false},
        {FormId::Hotlist, json, false},
        {FormId::Hotlist, binary, false},
    };
    test::TempTree dir;
    Progress quiet;
    for (const Case& c : cases) {
        const StorageForm& form = formOf(c.form);
        SCOPED_TRACE(form.commandLineName().toStdString() + ": " + c.content.toStdString());
        const QString path = dir.write(u"source"_s, c.content);
        const Result<void, UserMessage> recognised = form.recognise(path);
        EXPECT_EQ(recognised.ok(), c.taken);
        EXPECT_EQ(form.load(path, 0, quiet).ok(), c.taken);
        if (!c.taken) {
            EXPECT_EQ(recognised.failure().title, c.form == FormId::Hotlist
                                                      ? u"Not an Opera Hotlist"_s
                                                      : u"Not a Bookmark File"_s);
            EXPECT_EQ(recognised.failure().lines.value(0), path);
        }
    }

    // A Favorites folder is a folder.
    const StorageForm& favorites = formOf(FormId::Favorites);
    EXPECT_TRUE(favorites.recognise(dir.path()).ok());
    const Result<void, UserMessage> file = favorites.recognise(dir.write(u"file"_s, "x"));
    ASSERT_FALSE(file.ok());
    EXPECT_TRUE(file.failure().text().contains(dir.path(u"file"_s)));
}

} // namespace
} // namespace orvalink
