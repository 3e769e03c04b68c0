// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "forms/hotlist/hotlist_writer.h"
#include "platform/user_name.h"
#include "tests/core/forms/writer_test_support.h"
#include "tests/support/listing_fields.h"

#include <QDir>
#include <QStringEncoder>
#include <sys/stat.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

using test::crlf;
using test::TempTree;

// What the writer writes, under tests/fixtures/written, with its dates left out.
QByteArray written(const char* name)
{
    return test::readFixture(u"written/"_s + QLatin1String(name));
}

TEST(BookmarkFileWriter, WritesTheWorkedExample)
{
    TempTree dir;
    Job job = test::workedExampleJob(dir);
    const QString out = dir.path(QStringLiteral("bookmarks.html"));
    test::RecordingProgress progress;
    ASSERT_TRUE(test::writeBookmarkFile(job, out, FileExportOptions{}, progress).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("bookmarks.html"))),
              written("worked_example.html"));
    EXPECT_EQ(progress.statuses, QStringList({QStringLiteral("Exporting From Folder: My Favorites"),
                                              QStringLiteral("Exporting From Folder: Work")}));
}

TEST(BookmarkFileWriter, WritesOnlyCheckedFoldersAndLinks)
{
    TempTree dir;
    Job job = test::favoritesJob(
        dir, {"A.url", "Empty", "Outer/O.url", "Outer/Inner/X.url", "Outer/Inner/Y.url"});
    BookmarkModel& model = test::loaded(job);
    const int inner = test::rowNamed(model, QStringLiteral("Inner"));
    model.ApplyFolderCheck(test::rowNamed(model, QStringLiteral("Empty")), true);
    model.ApplyFolderCheck(inner, true);
    model.ApplyEntryCheck(inner, model.folder(inner).LastLink, false);
    ASSERT_TRUE(model.isChecked(inner) && !model.isChecked(0));
    const QString out = dir.path(QStringLiteral("bookmarks.html"));
    Progress quiet;

    // The root unchecked: no root lines; a checked folder under an unchecked one lands in the
    // top list, and an empty checked folder still gets its folder and list lines.
    FileExportOptions selected;
    selected.exportAll = false;
    ASSERT_TRUE(test::writeBookmarkFile(job, out, selected, quiet).ok());
    const QByteArray checkedOnly = written("checked_only.html");
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("bookmarks.html"))), checkedOnly);

    // Merged, the list of its own is closed once, and the old top list by its own end.
    const QByteArray old = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n</DL>\n";
    dir.write(QStringLiteral("bookmarks.html"), old);
    selected.merge = true;
    ASSERT_TRUE(test::writeBookmarkFile(job, out, selected, quiet).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("bookmarks.html"))),
              old.chopped(6) + "\r\n" + checkedOnly.sliced(checkedOnly.indexOf("<DL>")) +
                  "</DL>\n");
}

TEST(BookmarkFileWriter, MergeKeepsEveryByteOfTheOldFile)
{
    TempTree dir;
    Job job = test::workedExampleJob(dir);
    FileExportOptions merge{.merge = true,
                            .intoNewFolder = true,
                            .newFolderName = QStringLiteral("Imported from IE (12/31/1999)")};
    const QString out = dir.path(QStringLiteral("bookmarks.html"));
    Progress quiet;

    // The top list ends where its lists say, not at the last "</DL>": neither a comment, a
    // title, a quoted ">" nor what follows the list counts. Bytes no code page would give back.
    const QByteArray old =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<!-- <DL> </DL> -->\r\n"
        "<TITLE>My <DL> list</TITLE>\r\n<H1>Old \xE9 \xC3\xA9</H1>\r\n"
        "<dl><p>\r\n<DT><A HREF=\"a>b\" ICON='c>d'>Kept</A>\r\n<DT><H3>In</H3>\r\n"
        "<DL><p>\r\n</dl><p>\r\n</DL><p>\n<p>Footer </dl> after it</p>\njunk";
    const qsizetype topEnd = old.indexOf("</DL><p>\n<p>Footer");
    dir.write(QStringLiteral("bookmarks.html"), old);
    ASSERT_TRUE(test::writeBookmarkFile(job, out, merge, quiet).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("bookmarks.html"))),
              old.first(topEnd) + crlf(R"(
<DL><p>
<DT><H3 FOLDED ADD_DATE="">Imported from IE (12/31/1999)</H3>
<DL><p>
    <DT><H3 FOLDED ADD_DATE="">Work</H3>
    <DL><p>
        <DT><A HREF="about:Wiki">Wiki</A>
    </DL><p>
    <DT><A HREF="about:Home">Home</A>
</DL><p>
</DL><p>
)") + old.sliced(topEnd));

    // Firefox ends its file with a bare "</DL>"; its bookmarks stay, ours follow in its top
    // list. Cut off inside its toolbar folder, the file is kept whole and the folder closed.
    // In UTF-16 it is written back as UTF-8.
    const QString fixture = QStringLiteral("bookmark-file/firefox_export/");
    const QByteArray firefox = test::readFixture(fixture + QStringLiteral("input.html"));
    const QByteArray cut = firefox.first(firefox.indexOf("News</A>\n") + 9);
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray inUtf16 = utf16.encode(QString::fromUtf8(firefox));
    merge.intoNewFolder = false;
    const struct
    {
        QByteArray old;
        QByteArray keptBytes;
        const char* newFolderRow;
    } cases[] = {{firefox, firefox.chopped(6) + "\r\n", "[5]"},
                 {cut, cut + "\r\n</DL><p>\r\n<DL><p>\r\n", "[3]"},
                 {inUtf16, "\xEF\xBB\xBF" + firefox.chopped(6) + "\r\n", "[5]"}};
    for (const auto& c : cases) {
        const QString copy = dir.write(QStringLiteral("old.html"), c.old);
        const QByteArray before = test::rereadListing(FormId::BookmarkFile, copy);
        dir.write(QStringLiteral("bookmarks.html"), c.old);
        ASSERT_TRUE(test::writeBookmarkFile(job, out, merge, quiet).ok());
        EXPECT_TRUE(dir.read(QStringLiteral("bookmarks.html")).startsWith(c.keptBytes));
        EXPECT_EQ(
            test::withoutFields(QString::fromUtf8(test::rereadListing(FormId::BookmarkFile, out))),
            test::withoutFields(QString::fromUtf8(before)) + QStringLiteral("  ") +
                QLatin1StringView(c.newFolderRow) +
                QStringLiteral(" Work\n    Wiki <about:Wiki>\n  Home <about:Home>\n"));
    }
}

TEST(BookmarkFileWriter, MergeRefusesFilesItCannotAddToAndLeavesThemAlone)
{
    TempTree dir;
    Job job = test::workedExampleJob(dir);
    const QString out = dir.path(QStringLiteral("bookmarks.html"));
    const QByteArray signature = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";
    const char* notBookmarks = "Not a Bookmark File";
    const char* incomplete = "Incomplete Bookmark File";
    const std::pair<QByteArray, const char*> cases[] = {
        {QByteArray(), notBookmarks},
        {"Opera Hotlist version 2.0\r\n", notBookmarks},
        {"<html><title>Page</title><dl><dd>No bookmarks</dd></dl></html>", notBookmarks},
        {signature + "<DL><p>\n" + QByteArray(1, '\0'), notBookmarks},
        {signature + "<DL><p>\n<DT><A HREF=\"x", incomplete},
        {signature + "<DL><p>\n<!-- </DL>", incomplete},
        {signature + "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n", incomplete},
    };
    FileExportOptions merge;
    merge.merge = true;
    Progress quiet;
    for (const auto& [bytes, title] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        dir.write(QStringLiteral("bookmarks.html"), bytes);
        const Result<void, UserMessage> asked = CanMergeIntoBookmarkFile(out);
        ASSERT_FALSE(asked.ok());
        EXPECT_EQ(asked.failure().title, QLatin1String(title));
        EXPECT_EQ(asked.failure().lines.first(), QDir::toNativeSeparators(out));
        const Result<void, UserMessage> refused = test::writeBookmarkFile(job, out, merge, quiet);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.failure().lines, asked.failure().lines);
        EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("bookmarks.html"))), bytes);
    }
}

// --- What both writers share ---

using Writer = Result<void, UserMessage> (*)(Job&, const QString&, const FileExportOptions&,
                                             Progress&);
struct WriterCase
{
    const char* name;
    Writer write;
    FormId form;
};
const WriterCase kWriters[] = {{"bookmark file", &test::writeBookmarkFile, FormId::BookmarkFile},
                               {"hotlist", &test::writeOperaHotlist, FormId::Hotlist}};

// How a write ended, as a child process reports it through its exit status.
enum Outcome : int { Written, PermissionRefused, WriteError, OtherMessage };

int outcomeOf(const Result<void, UserMessage>& result)
{
    if (result.ok())
        return Written;
    // The second line says what the system reported, or asks to check the permission.
    const QStringList& lines = result.failure().lines;
    if (lines.size() != 2 || lines[1].isEmpty())
        return OtherMessage;
    if (lines[0] == u"Error Opening the Bookmark File."_s)
        return PermissionRefused;
    return lines[0] == u"Error Writing the Bookmark File."_s ? WriteError : OtherMessage;
}

TEST(FileWriters, FailuresLeaveTheDestinationAsItWasAndPermissionsSurvive)
{
    TempTree dir;
    QByteArray big("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"); // outgrows the size limit below
    for (int i = 0; i < 3000; ++i)
        big += "<A HREF=\"http://example.com/" + QByteArray::number(i) + "\">Link</A>\n";
    const QString source = dir.write(QStringLiteral("source.html"), big);
    const bool root = geteuid() == 0;
    const auto readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnlyFolder | QFile::WriteOwner));

    for (const WriterCase& writer : kWriters) {
        // Something each writer will merge into.
        const QByteArray oldBytes = writer.form == FormId::Hotlist
                                        ? QByteArray("Opera Hotlist version 2.0\r\n\r\n")
                                        : QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
                                                     "<DL><p>\r\n</DL><p>\r\n");
        for (const bool merge : {false, true}) {
            SCOPED_TRACE(std::string(writer.name) + (merge ? " merge" : " erase"));
            FileExportOptions options;
            options.merge = merge;
            auto attempt = [&](const QString& path) {
                Job job;
                job.mode = ExportMode::FirefoxToOpera;
                job.SourceFileLocation = source;
                Progress quiet;
                return outcomeOf(writer.write(job, path, options, quiet));
            };

            EXPECT_EQ(attempt(dir.path(QStringLiteral("vanished/out"))), WriteError);

            // The disk fills up half-way: the old file stays, nothing is left beside it.
            const QString full = dir.write(QStringLiteral("full/out"), oldBytes);
            EXPECT_EQ(
                test::inChild([&] { return test::limitFileSize(1 << 16) ? attempt(full) : 9; }),
                WriteError);
            EXPECT_EQ(dir.read(QStringLiteral("full/out")), oldBytes);
            EXPECT_EQ(QDir(dir.path(QStringLiteral("full"))).entryList(QDir::Files),
                      QStringList{QStringLiteral("out")});

            // A folder we may not write in.
            const QString lockedDir = dir.mkdir(QStringLiteral("locked"));
            const QString locked = dir.write(QStringLiteral("locked/out"), oldBytes);
            ASSERT_TRUE(QFile::setPermissions(lockedDir, root ? readOnlyFolder | QFile::WriteOwner
                                                              : readOnlyFolder));
            EXPECT_EQ(test::inChild([&] { return test::unprivileged() ? attempt(locked) : 9; }),
                      PermissionRefused);
            ASSERT_TRUE(QFile::setPermissions(lockedDir, readOnlyFolder | QFile::WriteOwner));
            EXPECT_EQ(dir.read(QStringLiteral("locked/out")), oldBytes);

            // A successful rewrite keeps the file's permissions, and a symbolic link stays one:
            // the file it names is written.
            const auto private640 = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
            ASSERT_TRUE(QFile::setPermissions(full, private640));
            const QString link = dir.path(QStringLiteral("link"));
            QFile::remove(link);
            ASSERT_TRUE(QFile::link(full, link));
            EXPECT_EQ(attempt(link), Written);
            EXPECT_EQ(QFileInfo(link).symLinkTarget(), full);
            EXPECT_NE(dir.read(QStringLiteral("full/out")), oldBytes);
            EXPECT_EQ(QFileInfo(full).permissions() & (readOnlyFolder | QFile::WriteOwner |
                                                       QFile::WriteGroup | QFile::WriteOther),
                      private640);

            // A pipe (or a device) where the file goes stays as it is. (A merge would wait for
            // someone to write into the pipe; the checks before an export refuse it.)
            if (!merge) {
                const QString pipe = dir.path(QStringLiteral("pipe"));
                ASSERT_TRUE(QFileInfo::exists(pipe) ||
                            mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
                EXPECT_EQ(attempt(pipe), WriteError);
                EXPECT_FALSE(QFileInfo(pipe).isFile());
            }
        }
    }
}

// A shortcut whose name and (Unicode) address hold line breaks, controls and markup: written
// into either form it reads back as the one link it is, never as entries of its own. A user's
// name in markup reads back as the bookmark file's header; without a name it is the logon user's.
TEST(FileWriters, NoNameOrAddressCanForgeEntries)
{
    TempTree dir;
    const QString name = u"Two\nlines\r\x01\x7f\u0085\ttab <b>\"&amp;"_s;
    dir.write(u"fav/"_s + name + u".url"_s,
              "[InternetShortcut]\r\nURL=http://x/?\r\n[InternetShortcut.A]\r\nURL=http://x/?\r\n"
              "[InternetShortcut.W]\r\nURL=http://x/+AAo-<DT><H3>FORGED FOLDER</H3>+AAo-<DL><p>"
              "+AAo-<DT><A HREF=\"http://evil/\">Evil</A>+AAo-</DL><p>+AA0ACQ-end\r\n");
    const QString url = u"http://x/\n<DT><H3>FORGED FOLDER</H3>\n<DL><p>\n"
                        u"<DT><A HREF=\"http://evil/\">Evil</A>\n</DL><p>\r\tend"_s;
    Job job;
    job.IELocation = dir.path(u"fav"_s);
    for (const WriterCase& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        job.mode = writer.form == FormId::Hotlist ? ExportMode::IEToOpera : ExportMode::IEToFirefox;
        BookmarkModel& source = test::loaded(job);
        source.ensureListed(0);
        ASSERT_EQ(source.link(source.GetFolderLinks(0, true).at(0)).URL, url);
        const QString out = dir.path(u"out"_s);
        Progress quiet;
        ASSERT_TRUE(writer.write(job, out, FileExportOptions{}, quiet).ok());
        const auto back = test::reread(writer.form, out);
        ASSERT_EQ(back->folderCount(), 1);
        ASSERT_EQ(back->LinkCount(), 1);
        if (writer.form == FormId::BookmarkFile) {
            EXPECT_EQ(back->folder(0).Name, u"Bookmarks for "_s + GetLogonUserName());
            EXPECT_EQ(back->link(0).Name, name);
            EXPECT_EQ(back->link(0).URL, url);
            job.UserName = u"<me> & 'you'"_s;
            ASSERT_TRUE(writer.write(job, out, FileExportOptions{}, quiet).ok());
            EXPECT_EQ(test::reread(writer.form, out)->folder(0).Name,
                      u"Bookmarks for <me> & 'you'"_s);
        } else {
            // A hotlist has no escape: a name's line breaks become spaces, and the address
            // loses what browsers drop from it anyway.
            EXPECT_EQ(back->link(0).Name, u"Two lines \x01\x7f\u0085\ttab <b>\"&amp;"_s);
            EXPECT_EQ(back->link(0).URL, QString(url).remove(u'\n').remove(u'\r').remove(u'\t'));
        }
        job.setSource(nullptr);
    }
}

// Only the checked, in the source's order: a folder that is not exported ("Skipped") leaves its
// exported subfolder ("Kept") where it stood; separators go wherever their folder goes.
TEST(FileWriters, KeepTheSourcesOrderForOnlyTheChecked)
{
    FileExportOptions checkedOnly;
    checkedOnly.exportAll = false;
    checkedOnly.keepOrder = true;
    test::TempTree dir;
    Job job;
    job.mode = ExportMode::FirefoxToOpera;
    job.SourceFileLocation = test::fixturePath(u"samples/mixed.html"_s);
    test::loaded(job).ApplyFolderCheck(1, true);
    test::loaded(job).ApplyFolderCheck(3, true);
    for (const WriterCase& writer : kWriters) {
        Progress quiet;
        ASSERT_TRUE(writer.write(job, dir.path(u"out"_s), checkedOnly, quiet).ok());
        EXPECT_EQ(test::rereadListing(writer.form, dir.path(u"out"_s)),
                  "  [1] Mixed\n    z <about:z>\n    ----\n    [2] Kept\n      in <about:in>\n"
                  "    a <about:a>\n");
    }
}

// Ten thousand nested folders and a link back at the top after them: each form reads and
// writes them, and a listing indents no deeper than 100 levels, so that it grows with the depth,
// not its square.
TEST(FileWriters, WriteTenThousandNestedFolders)
{
    constexpr int depth = 10000;
    QByteArray nested;
    for (int i = 1; i <= depth; ++i)
        nested += "#FOLDER\nNAME=F" + QByteArray::number(i) + "\n";
    nested += "#URL\nNAME=x\nURL=about:x\n" + QByteArray("-\n").repeated(depth) +
              "#URL\nNAME=Top\nURL=about:top\n";
    test::TempTree dir;
    Job job;
    job.mode = ExportMode::OperaToFirefox;
    job.SourceFileLocation = dir.write(QStringLiteral("deep.adr"), nested);
    for (const WriterCase& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const QString out = dir.path(QStringLiteral("out"));
        Progress quiet;
        ASSERT_TRUE(writer.write(job, out, FileExportOptions{}, quiet).ok());
        auto back = test::reread(writer.form, out);
        ASSERT_EQ(back->folderCount(), depth + 1);
        EXPECT_EQ(back->folder(depth).Name, QStringLiteral("F10000"));
        EXPECT_EQ(back->folder(0).entryCount(), 2);
        const QByteArray listing = test::listing(*back);
        EXPECT_TRUE(listing.contains("\n" + QByteArray(200, ' ') + "x <about:x>\n"));
        EXPECT_TRUE(listing.endsWith("\n  Top <about:top>\n"));
        EXPECT_LT(listing.size(), 4 << 20);
    }
}

} // namespace
} // namespace orvalink
