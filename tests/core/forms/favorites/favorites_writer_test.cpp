// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/favorites_writer.h"
#include "forms/favorites/file_names.h"
#include "forms/favorites/internet_shortcut.h"
#include "forms/favorites/internet_shortcut_writer.h"
#include "platform/file_helpers.h"
#include "tests/core/forms/writer_test_support.h"

#include <cerrno>
#include <ostream>

// Readable failures: gtest prints QStrings as arrays of code units otherwise.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orvalink {
namespace {

using test::TempTree;

QString text(const char16_t* utf16)
{
    return QString::fromUtf16(utf16);
}

// A job writing the bookmark file of these bytes to the Favorites folder "fav".
Job bookmarkFileJob(const TempTree& dir, const QByteArray& page)
{
    Job job;
    job.mode = ExportMode::FirefoxToIE;
    job.SourceFileLocation = dir.write(QStringLiteral("bookmarks.html"), page);
    job.IELocation = dir.mkdir(QStringLiteral("fav"));
    return job;
}

QByteArray shortcut(const char* url)
{
    return QByteArray("[InternetShortcut]\r\nURL=") + url + "\r\n";
}

TEST(InternetShortcutWriter, WritesAsciiAsIsAndOtherUrlsAsWindowsDoes)
{
    EXPECT_EQ(internetShortcutContents(QStringLiteral("http://a.example/x?q=%41&b=~\\")),
              shortcut("http://a.example/x?q=%41&b=~\\"));

    const QString url = text(u"https://user@bücher.example:8080/café?q=東京#Été");
    const QByteArray ascii =
        "https://user@xn--bcher-kva.example:8080/caf%C3%A9?q=%E6%9D%B1%E4%BA%AC#%C3%89t%C3%A9";
    const QByteArray contents = internetShortcutContents(url);
    EXPECT_TRUE(contents.startsWith(shortcut(ascii) + "[InternetShortcut.A]\r\nURL=" + ascii +
                                    "\r\n[InternetShortcut.W]\r\nURL="))
        << contents.toStdString();
    EXPECT_EQ(contents.count('\n'), 6);
    EXPECT_EQ(shortcutUrl(contents), url);

    // A bracketed address has no name to put in punycode.
    EXPECT_EQ(asciiUrl(text(u"http://[::1]/ü")), QByteArray("http://[::1]/%C3%BC"));
    // That no address can add a line of its own is the fuzzing harness's.
}

// That no name holds what a file system refuses is the fuzzing harness's; here what it is
// changed into.
TEST(FileNames, ReplaceWhatFileSystemsRefuse)
{
    EXPECT_EQ(CleanFileName(QStringLiteral("a/b\\c:d*e?f<g>h|i\"j. ")),
              QStringLiteral("a-b-c-d-e-f-g-h-i-j. "));
    FileNameRules windows;
    windows.avoidDeviceNames = true;
    const struct
    {
        const char16_t* name;
        const char16_t* expected;
    } cases[] = {
        {u"", u"Untitled.URL"},
        {u".", u"Untitled.URL"},
        {u"Acme Inc. . ", u"Acme Inc.URL"},
        {u"CON", u"CON_.URL"},
        {u"nul.txt", u"nul_.txt.URL"},
        {u"Lpt\u00B9 .x", u"Lpt\u00B9_ .x.URL"},
        {u"COM10", u"COM10.URL"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(safeFileName(text(c.name), 1, u".URL", windows), text(c.expected));
    FileNameRules elsewhere;
    elsewhere.avoidDeviceNames = false;
    EXPECT_EQ(safeFileName(QStringLiteral("CON"), 1, u".URL", elsewhere),
              QStringLiteral("CON.URL"));
}

TEST(FileNames, CutCharactersNeverBytesOrMarksApart)
{
    FileNameRules link;
    link.maxCharacters = kMaxLinkNameCharacters;
    EXPECT_EQ(safeFileName(QString(120, u'a'), 1, u".URL", link),
              QString(100, u'a') + text(u".URL"));

    // 99 letters, then an emoji (two UTF-16 units, one character) fits whole.
    const QString emoji = QString(99, u'a') + text(u"😀😀");
    EXPECT_EQ(safeFileName(emoji, 1, u".URL", link), QString(99, u'a') + text(u"😀.URL"));
    // A letter whose combining mark would pass the limit goes with its mark.
    const QString marked = QString(99, u'a') + text(u"e\u0301z");
    EXPECT_EQ(safeFileName(marked, 1, u".URL", link), QString(99, u'a') + text(u".URL"));

    // 200 CJK characters: 100 would be 300 bytes, beyond what Linux takes.
    const QString cjk = QString(200, QChar(0x6771));
    EXPECT_EQ(safeFileName(cjk, 1, u".URL", link), QString(83, QChar(0x6771)) + text(u".URL"));
    EXPECT_EQ(safeFileName(cjk, 12, u".URL", link),
              QString(82, QChar(0x6771)) + text(u" (12).URL"));
    // Folders are not cut to 100 characters, only to the byte limit, and marks stay with
    // their letter there too.
    const QString folder = safeFileName(QString(100, u'a') + QString(80, QChar(0x00E9)), 1, {});
    EXPECT_EQ(folder, QString(100, u'a') + QString(77, QChar(0x00E9)));
    const QString decomposed = QString(252, u'a') + text(u"e\u0301\u0301");
    EXPECT_EQ(safeFileName(decomposed, 1, {}), QString(252, u'a'));
}

// Only the checked items, under the nearest checked folder, are the Favorites window's test.
FavoritesExportOptions into(FavoritesWhere where)
{
    FavoritesExportOptions options;
    options.where = where;
    return options;
}

TEST(FavoritesWriter, WritesIntoTheRootOrAnExistingFolderAndNeverWithoutFavorites)
{
    TempTree dir;
    Job job = bookmarkFileJob(dir, test::twoFolders());
    test::RecordingProgress progress;
    Result<FavoritesExportReport, UserMessage> written =
        test::exportToFav(job, into(FavoritesWhere::Root), progress);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.value().linksWritten(), 3);
    EXPECT_EQ(written.value().linksNotWritten(), 0);
    const QString whole =
        QStringLiteral("Home.URL,Work/,Work/Deep/,Work/Deep/Bottom.URL,Work/Wiki.URL");
    EXPECT_EQ(test::entriesBelow(job.IELocation), whole);
    EXPECT_EQ(dir.read(QStringLiteral("fav/Work/Wiki.URL")), shortcut("http://wiki/"));
    EXPECT_EQ(progress.statuses, QStringList({QStringLiteral("Exporting From Folder: Bookmarks"),
                                              QStringLiteral("Exporting From Folder: Work"),
                                              QStringLiteral("Exporting From Folder: Deep")}));

    // A second export, into the Favorites folder named as an empty existing folder, overwrites
    // the files of the first instead of numbering them.
    dir.write(QStringLiteral("fav/Home.URL"), "stale and longer than the new content");
    ASSERT_TRUE(test::exportToFav(job, into(FavoritesWhere::ExistingFolder), progress).ok());
    EXPECT_EQ(dir.read(QStringLiteral("fav/Home.URL")), shortcut("http://home/"));
    EXPECT_EQ(test::entriesBelow(job.IELocation), whole);

    // No Favorites folder: nothing is written at all.
    job.IELocation = dir.path(QStringLiteral("missing"));
    FavoritesExportOptions newFolder = into(FavoritesWhere::NewFolder);
    newFolder.newFolderName = QStringLiteral("x");
    EXPECT_FALSE(test::exportToFav(job, newFolder, progress).ok());
    EXPECT_FALSE(QFileInfo::exists(job.IELocation));
}

TEST(FavoritesWriter, KeepsEveryEntryWhenNamesClash)
{
    TempTree dir;
    Job job = bookmarkFileJob(dir, R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<DL><p>
<DT><A HREF="http://1/">News</A>
<DT><A HREF="http://2/">news</A>
<DT><A HREF="http://6/">News (2)</A>
<DT><A HREF="http://3/">News.</A>
<DT><H3>Work</H3>
<DL><p>
    <DT><A HREF="http://4/">In Work</A>
</DL><p>
<DT><H3>WORK</H3>
<DL><p>
    <DT><A HREF="http://5/">In WORK</A>
</DL><p>
</DL><p>
)html");
    Progress quiet;
    ASSERT_TRUE(test::exportToFav(job, into(FavoritesWhere::Root), quiet).ok());
    EXPECT_EQ(test::entriesBelow(job.IELocation),
              QStringLiteral("News (2) (2).URL,News (3).URL,News.URL,WORK (2)/,WORK (2)/In "
                             "WORK.URL,Work/,Work/In Work.URL,news (2).URL"));
    EXPECT_EQ(dir.read(QStringLiteral("fav/News (3).URL")), shortcut("http://3/"));
}

TEST(FavoritesWriter, NeverFollowsALinkBelowTheFavoritesFolder)
{
    TempTree dir;
    Job job = bookmarkFileJob(dir, test::twoFolders());
    const QString outside = dir.mkdir(QStringLiteral("outside"));
    const QString outsideFile = dir.write(QStringLiteral("outside.URL"), "keep");
    const QString fav = job.IELocation + u'/';
    // Links named like a folder, a link and the new folder; a folder where a link's file goes.
    ASSERT_TRUE(QFile::link(outside, fav + QStringLiteral("Work")));
    ASSERT_TRUE(QFile::link(outsideFile, fav + QStringLiteral("Home.URL")));
    ASSERT_TRUE(QFile::link(outside, fav + QStringLiteral("New")));
    dir.mkdir(QStringLiteral("fav/Home (2).URL"));
    Progress quiet;
    Result<FavoritesExportReport, UserMessage> written =
        test::exportToFav(job, into(FavoritesWhere::Root), quiet);
    ASSERT_TRUE(written.ok());
    EXPECT_TRUE(written.value().isComplete());
    EXPECT_EQ(written.value().foldersWritten(), 2);
    EXPECT_EQ(written.value().linksWritten(), 3);
    EXPECT_EQ(test::entriesBelow(job.IELocation),
              QStringLiteral("Home (2).URL/,Home (3).URL,Home.URL,New/,Work (2)/,Work "
                             "(2)/Deep/,Work (2)/Deep/Bottom.URL,Work (2)/Wiki.URL,Work/"));

    FavoritesExportOptions newFolder = into(FavoritesWhere::NewFolder);
    newFolder.newFolderName = QStringLiteral("New");
    ASSERT_TRUE(test::exportToFav(job, newFolder, quiet).ok());
    EXPECT_TRUE(QFileInfo::exists(fav + QStringLiteral("New (2)/Work/Wiki.URL")));

    // An existing folder reached through a link is refused: nothing is written.
    FavoritesExportOptions existing = into(FavoritesWhere::ExistingFolder);
    existing.existingFolder = QStringLiteral("Work");
    written = test::exportToFav(job, existing, quiet);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.value().linksNotWritten(), 3);
    EXPECT_EQ(written.value().foldersNotCreated(), 2);
    EXPECT_EQ(written.value().firstFailure(), systemErrorText(ENOTDIR));

    // A folder swapped for a link while it is written keeps what goes into it.
    TempTree again;
    Job swapped = bookmarkFileJob(again, test::twoFolders());
    const QString work = swapped.IELocation + QStringLiteral("/Work");
    test::OnFolder swap(QStringLiteral("Work"), [&] {
        ASSERT_TRUE(QDir().rename(work, swapped.IELocation + QStringLiteral("/Moved")));
        ASSERT_TRUE(QFile::link(outside, work));
    });
    ASSERT_TRUE(test::exportToFav(swapped, into(FavoritesWhere::Root), swap).ok());
    EXPECT_EQ(test::entriesBelow(outside), QString());
    EXPECT_EQ(dir.read(QStringLiteral("outside.URL")), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo::exists(swapped.IELocation + QStringLiteral("/Moved/Deep/Bottom.URL")));
}

} // namespace
} // namespace orvalink
