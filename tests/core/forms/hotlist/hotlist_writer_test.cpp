// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/hotlist_writer.h"
#include "tests/core/forms/writer_test_support.h"

#include <QStringEncoder>

namespace orvalink {
namespace {

using test::crlf;
using test::TempTree;

const QByteArray kHeader =
    crlf("Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n");

QByteArray folderRecord(const QByteArray& name)
{
    return crlf("#FOLDER\n    NAME=") + name + crlf("\n    ORDER = -1 \n\n");
}

QByteArray urlRecord(const char* name, const char* order = " 0 ")
{
    return crlf("#URL\n    NAME=") + name + crlf("\n    URL=about:") + name +
           crlf("\n    ORDER = ") + order + crlf("\n\n");
}

TEST(HotlistWriter, WritesTheWorkedExampleWithLinksAfterOrBeforeFolders)
{
    TempTree dir;
    Job job = test::workedExampleJob(dir);
    job.mode = ExportMode::IEToOpera;
    const QString out = dir.path(QStringLiteral("opera6.adr"));
    test::RecordingProgress progress;
    ASSERT_TRUE(test::writeOperaHotlist(job, out, FileExportOptions{}, progress).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))),
              kHeader + folderRecord("Work") + urlRecord("Wiki") + "-\r\n" + urlRecord("Home"));
    EXPECT_EQ(progress.statuses, QStringList({QStringLiteral("Exporting From Folder: My Favorites"),
                                              QStringLiteral("Exporting From Folder: Work")}));

    FileExportOptions linksBefore;
    linksBefore.linksBefore = true;
    ASSERT_TRUE(test::writeOperaHotlist(job, out, linksBefore, progress).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))),
              kHeader + urlRecord("Home", "-2 ") + folderRecord("Work") + urlRecord("Wiki", "-2 ") +
                  "-\r\n");
}

TEST(HotlistWriter, AppendsWithoutHeaderAfterEndingTheOldLastLine)
{
    TempTree dir;
    Job job = test::workedExampleJob(dir);
    // As Opera writes it, with LF line ends; here its last line has none.
    const QByteArray old = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n"
                           "#URL\n\tNAME=Old\n\tURL=about:old";
    const QString out = dir.write(QStringLiteral("opera6.adr"), old);
    const FileExportOptions options{.merge = true,
                                    .intoNewFolder = true,
                                    .newFolderName =
                                        QStringLiteral("Imported from IE (12/31/1999)")};
    const QByteArray appended = folderRecord("Imported from IE (12/31/1999)") +
                                folderRecord("Work") + urlRecord("Wiki") + "-\r\n" +
                                urlRecord("Home") + "-\r\n";
    Progress quiet;
    ASSERT_TRUE(test::writeOperaHotlist(job, out, options, quiet).ok());
    ASSERT_TRUE(test::writeOperaHotlist(job, out, options, quiet).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))),
              old + "\r\n" + appended + appended);

    // A hotlist in UTF-16 is appended to in UTF-8, the encoding of what is added.
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    dir.write(QStringLiteral("opera6.adr"), utf16.encode(QString::fromUtf8(old)));
    ASSERT_TRUE(test::writeOperaHotlist(job, out, options, quiet).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))),
              "\xEF\xBB\xBF" + old + "\r\n" + appended);

    // A last line ended by a bare CR gets only its LF.
    dir.write(QStringLiteral("opera6.adr"), "#URL\r\n\tNAME=x\r");
    ASSERT_TRUE(test::writeOperaHotlist(job, out, options, quiet).ok());
    EXPECT_TRUE(test::withoutDates(dir.read(QStringLiteral("opera6.adr")))
                    .startsWith("#URL\r\n\tNAME=x\r\n#FOLDER\r\n"));

    // Appending to an empty file writes a whole hotlist; anything that is no hotlist is left
    // alone rather than spoilt.
    dir.write(QStringLiteral("opera6.adr"), "\r\n");
    ASSERT_TRUE(test::writeOperaHotlist(job, out, options, quiet).ok());
    EXPECT_TRUE(test::withoutDates(dir.read(QStringLiteral("opera6.adr")))
                    .startsWith("Opera Hotlist version 2.0\r\n"));
    const QByteArray html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n</DL>\n";
    dir.write(QStringLiteral("opera6.adr"), html);
    const Result<void, UserMessage> refused = test::writeOperaHotlist(job, out, options, quiet);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().title, QStringLiteral("Not an Opera Hotlist"));
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))), html);
}

// A name's line breaks and the checked folders alone are the writers' shared tests'; links only,
// in the top level, need no folder record and no folder end.
TEST(HotlistWriter, WritesLinksAloneWithoutFolderRecords)
{
    TempTree dir;
    Job job = test::favoritesJob(dir, {"b.url", "A.url"});
    const QString out = dir.path(QStringLiteral("opera6.adr"));
    Progress quiet;
    ASSERT_TRUE(test::writeOperaHotlist(job, out, FileExportOptions{}, quiet).ok());
    EXPECT_EQ(test::withoutDates(dir.read(QStringLiteral("opera6.adr"))),
              kHeader + urlRecord("A") + urlRecord("b"));
}

// Printable ASCII is copied eight characters at a time: a line break, a tab, a character beyond
// ASCII or a lone surrogate is written the same wherever it falls in or after such a run.
TEST(HotlistWriter, WritesEveryCharacterTheSameWhereverItFalls)
{
    const QString printable = QStringLiteral("abcdefghijklmnopq");
    const struct
    {
        QString inserted;
        QString asName;
        QString asAddress;
    } cases[] = {{QStringLiteral("\r\n"), QStringLiteral(" "), QString()},
                 {QStringLiteral("\n"), QStringLiteral(" "), QString()},
                 {QStringLiteral("\t~\x7F"), QStringLiteral("\t~\x7F"), QStringLiteral("~\x7F")},
                 {QStringLiteral("\u00E9\u65E5\U0001F600"),
                  QStringLiteral("\u00E9\u65E5\U0001F600"),
                  QStringLiteral("\u00E9\u65E5\U0001F600")},
                 {QString(QChar(0xD800)), QStringLiteral("\uFFFD"), QStringLiteral("\uFFFD")}};
    for (const auto& [inserted, asName, asAddress] : cases) {
        for (qsizetype at = 0; at <= printable.size(); ++at) {
            const QString text = QString(printable).insert(at, inserted);
            QByteArray record;
            WriteUrlRecord(record, text, text, 0);
            EXPECT_TRUE(record.startsWith(
                crlf("#URL\n    NAME=") + QString(printable).insert(at, asName).toUtf8() +
                crlf("\n    URL=") + QString(printable).insert(at, asAddress).toUtf8() +
                crlf("\n")))
                << at << ": " << record.constData();
        }
    }
}

} // namespace
} // namespace orvalink
