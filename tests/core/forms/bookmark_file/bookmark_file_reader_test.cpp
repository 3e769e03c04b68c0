// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/form_table.h"
#include "forms/storage_form.h"
#include "forms/tree_listing.h"
#include "tests/support/fixture_cases.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvalink {
namespace {

std::unique_ptr<BookmarkModel> load(const QString& path)
{
    Result<std::unique_ptr<BookmarkModel>> loaded = NNCreateTree(path);
    EXPECT_TRUE(loaded.ok()) << loaded.error().toStdString();
    return loaded ? std::move(loaded.value()) : nullptr;
}

std::unique_ptr<BookmarkModel> loadText(const QByteArray& text)
{
    return parseBookmarkText(text);
}

// The counts and folder names of the fast scan are those of the loaded tables, in file order.
void expectScannerAgrees(const QByteArray& text, BookmarkModel& model)
{
    cNNFastScanning scanner;
    QStringList names;
    scanner.setFolderScanHandler([&](const QString& name) { names << name; });
    scanner.scanText(text);
    // The command line takes the counts of a loaded file from its tables.
    const SourceCounts loaded = countLoaded(model);
    EXPECT_EQ(scanner.nTotalFolders(), loaded.folders);
    EXPECT_EQ(scanner.nTotalLinks(), loaded.links);
    // Without a handler the scan cuts no names at all, and must count the same.
    cNNFastScanning countOnly;
    countOnly.scanText(text);
    EXPECT_EQ(std::pair(countOnly.nTotalFolders(), countOnly.nTotalLinks()),
              std::pair(scanner.nTotalFolders(), scanner.nTotalLinks()));
    ASSERT_EQ(names.size(), model.folderCount() - 1);
    for (int row = 1; row < model.folderCount(); ++row)
        EXPECT_EQ(model.folder(row).Name, names[row - 1]);
}

TEST(BookmarkFileReader, ReadsEveryFixtureAsExpectedAndTheScannerAgrees)
{
    const QStringList cases = test::fixtureCases(QStringLiteral("bookmark-file"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& dir : cases) {
        SCOPED_TRACE(dir.toStdString());
        const QString input = QDir(dir).filePath(QStringLiteral("input.html"));
        auto model = load(input);
        ASSERT_TRUE(model);
        QFile expected(QDir(dir).filePath(QStringLiteral("expected.txt")));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(test::listing(*model)), QString::fromUtf8(expected.readAll()));

        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        expectScannerAgrees(file.readAll(), *model);
    }
}

// A file source fails only when its file cannot be opened; an empty file is an empty tree.
TEST(FileSources, FailOnlyWhenTheFileCannotBeOpened)
{
    test::TempTree dir;
    const QString missing = dir.path(QStringLiteral("missing"));
    const QString empty = dir.write(QStringLiteral("empty"), QByteArray());
    Progress quiet;
    for (const auto& [kind, caption] :
         {std::pair(FormId::BookmarkFile, QString()),
          std::pair(FormId::Hotlist, QStringLiteral("Opera Hotlist"))}) {
        const StorageForm& form = formOf(kind);
        EXPECT_FALSE(form.load(QString(), 0, quiet).ok());
        EXPECT_FALSE(form.load(dir.path(), 0, quiet).ok());
        const auto failed = form.load(missing, 0, quiet);
        ASSERT_FALSE(failed.ok());
        EXPECT_TRUE(failed.failure().text().contains(missing));
        const SourceCounts none = form.count(missing, quiet);
        EXPECT_EQ(none.folders + none.links, 0);

        const auto loaded = form.load(empty, 0, quiet);
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded.value()->folderCount(), 1);
        EXPECT_EQ(loaded.value()->LinkCount(), 0);
        EXPECT_EQ(loaded.value()->tree().node(0).caption, caption);
    }
}

#ifdef Q_OS_UNIX
// Opening or reading a FIFO blocks and /dev/zero never ends: a bookmark file or hotlist source is
// a regular file (or a link to one), and anything else is refused at once, by name.
TEST(FileSources, OnlyRegularFilesAreReadAndNothingElseStalls)
{
    test::TempTree dir;
    const QString fifo = dir.path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString device = QStringLiteral("/dev/zero");
    const QString deviceLink = dir.path(QStringLiteral("zero.html"));
    ASSERT_TRUE(QFile::link(device, deviceLink));
    // One link to both readers: a hotlist record, then a hand-made bookmark file's list.
    const QString fileLink = dir.path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(dir.write(QStringLiteral("real"),
                                      "#URL\nNAME=x\nURL=about:x\n\n<TITLE>x</TITLE>\n<DL><p>\n"
                                      "<DT><A HREF=\"about:x\">x</A>\n</DL><p>\n"),
                            fileLink));

    // A stall ends the test run here rather than never.
    ::alarm(60);
    Progress quiet;
    for (const FormId kind : {FormId::BookmarkFile, FormId::Hotlist}) {
        for (const QString& path : {fifo, device, deviceLink}) {
            SCOPED_TRACE(path.toStdString());
            const Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded =
                formOf(kind).load(path, 0, quiet);
            ASSERT_FALSE(loaded.ok());
            EXPECT_TRUE(loaded.failure().text().contains(path))
                << loaded.failure().text().toStdString();
            const SourceCounts counts = formOf(kind).count(path, quiet);
            EXPECT_EQ(counts.folders + counts.links, 0);
        }
        const Result<std::unique_ptr<BookmarkModel>, UserMessage> linked =
            formOf(kind).load(fileLink, 0, quiet);
        ASSERT_TRUE(linked.ok());
        EXPECT_EQ(linked.value()->LinkCount(), 1);
        EXPECT_EQ(formOf(kind).count(fileLink, quiet).links, 1);
    }
    ::alarm(0);
}
#endif

// Windows tools write UTF-16 with a byte-order mark: such a file reads as its UTF-8 twin, and the
// count agrees with the load.
TEST(FileSources, Utf16WithByteOrderMarkReadsLikeUtf8)
{
    const QString bookmarkFile = QStringLiteral(
        "<TITLE>T</TITLE><H1>Caf\u00e9</H1>\r\n<DL><p>\r\n<DT><H3>\u65e5\u672c</H3>\r\n<DL><p>\r\n"
        "<DT><A HREF=\"http://x/\U0001F600\">\u00e9t\u00e9</A>\r\n</DL><p>\r\n</DL><p>\r\n");
    const QString hotlist = QStringLiteral(
        "Opera Hotlist version 2.0\r\n\r\n#FOLDER\r\n\tNAME=\u65e5\u672c\r\n\r\n#URL\r\n"
        "\tNAME=\u00e9t\u00e9\r\n\tURL=http://x/\U0001F600\r\n\r\n-\r\n");
    test::TempTree dir;
    Progress quiet;
    for (const auto& [kind, text] :
         {std::pair(FormId::BookmarkFile, bookmarkFile), std::pair(FormId::Hotlist, hotlist)}) {
        const auto listingOf = [&](const QString& path) {
            EXPECT_EQ(formOf(kind).count(path, quiet).links, 1);
            Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded =
                formOf(kind).load(path, 0, quiet);
            return loaded ? test::listing(*loaded.value()) : QByteArray();
        };
        const QByteArray utf8 = listingOf(dir.write(QStringLiteral("utf8"), text.toUtf8()));
        ASSERT_TRUE(utf8.contains(QStringLiteral("\u00e9t\u00e9 <http://x/\U0001F600>").toUtf8()));
        for (const auto converter : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            QStringEncoder utf16(converter, QStringConverter::Flag::WriteBom);
            EXPECT_EQ(listingOf(dir.write(QStringLiteral("utf16"), utf16.encode(text))), utf8);
        }
    }
}

// The lines of hand-edited files are the fixtures'; here what they leave out.
TEST(BookmarkFileReader, LineHelpersCutNamesUrlsAndTheHeader)
{
    EXPECT_EQ(NNGetFolderName("<dt><h3>No end tag\r\n<DL><p>"), QStringLiteral("No end tag"));
    EXPECT_EQ(NNGetFolderName("<DT><A HREF=\"x\">A link</A>"), QString());
    EXPECT_FALSE(NNGetLink("<DT><ABBR HREF=\"x\">Not a link</ABBR>"));
    EXPECT_FALSE(NNGetLink("<P><A HREF=\"x\">After another tag</A>"));

    EXPECT_EQ(NNGetHeader("<title>T</title>\n<h1 id=\"x\">Caf\xc3\xa9\n  &amp; bar</h1>"),
              QString::fromUtf8("Café & bar"));
    EXPECT_EQ(NNGetHeader("<H1>Header without a title</H1>"), QString());
    EXPECT_EQ(NNGetHeader("<TITLE>T</TITLE><H1>Never closed"), QString());
}

// Inputs built so that a search that goes back over what it has seen takes quadratic time (any
// other bytes are the fuzzing harness's): each loads without a stall, and the scan agrees with
// the tree.
TEST(BookmarkFileReader, ReadsHostileInputInLinearTime)
{
    const qsizetype size = 2 << 20;
    QByteArray separators;
    while (separators.size() < size)
        separators += "<HR>";
    separators += "<DT><A HREF=\"sep\">after</A>";
    QByteArray attributes = "<DT><A";
    while (attributes.size() < size)
        attributes += " a=b";
    attributes += " HREF=\"attr\">a</A>";
    // Entries without closing tags, each followed by lines that are no entries: each of those
    // lines must be looked at a bounded number of times.
    QByteArray unclosedEntries;
    while (unclosedEntries.size() < size / 2)
        unclosedEntries += "<DT><A HREF=\"u\">no end\ntext\nmore text\n<DT><A HREF=v>\nplain\n";

    for (const QByteArray& bytes : {
             QByteArray(1 << 20, '\0'),
             QByteArray(1 << 16, '\n'),
             QByteArray(1 << 16, '<'),
             "<DT><A HREF=\"x\" ICON=\"" + QByteArray(size, '>'),
             "<DT><H3>" + QByteArray(size, '<'),
             separators,
             attributes,
             unclosedEntries,
         }) {
        auto model = loadText(bytes);
        expectScannerAgrees(bytes, *model);
        test::listing(*model);
    }

    // Each separator is an entry of its own, the link after them the last.
    auto model = loadText(separators);
    ASSERT_EQ(model->LinkCount(), separators.count("<HR>") + 1);
    EXPECT_EQ(model->link(model->LinkCount() - 1).URL, QStringLiteral("sep"));
    model = loadText(attributes);
    ASSERT_EQ(model->LinkCount(), 1);
    EXPECT_EQ(model->link(0).URL, QStringLiteral("attr"));
}

} // namespace
} // namespace orvalink
