#include "cli/cli.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using test::CliRun;
using test::runInProcess;

const QByteArray kHotlist("Opera Hotlist version 2.0\n\n"
                          "#FOLDER\n\tNAME=Work \"&\" play\n\n"
                          "#URL\n\tNAME=Wiki\n\tURL=https://wiki.example/?a=1&b=\"2\"\n\n"
                          "#FOLDER\n\tNAME=Deeper\n\n-\n-\n"
                          "#URL\n\tNAME=Home\n\tURL=https://home.example/\n");

TEST(CommandLine, CountsAndListsASourceInSourceOrder)
{
    test::TempTree dir;
    const QString hotlist = dir.write(QStringLiteral("h.adr"), kHotlist);

    const CliRun count = runInProcess(
        {QStringLiteral("count"), QStringLiteral("--from"), QStringLiteral("opera"), hotlist});
    EXPECT_EQ(count.exitCode, ExitSuccess);
    EXPECT_EQ(count.out, QStringLiteral("2 Folders & 2 Links\n"));
    EXPECT_TRUE(count.err.isEmpty());

    const CliRun list = runInProcess(
        {QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("opera"), hotlist});
    EXPECT_EQ(list.exitCode, ExitSuccess);
    EXPECT_EQ(list.out, QStringLiteral("[0] Opera Hotlist\n"
                                       "  [1] Work \"&\" play\n"
                                       "    Wiki <https://wiki.example/?a=1&b=\"2\">\n"
                                       "    [2] Deeper\n"
                                       "  Home <https://home.example/>\n"));
}

TEST(CommandLine, JsonListingParsesBackToTheSameTree)
{
    test::TempTree dir;
    const QString hotlist = dir.write(QStringLiteral("h.adr"), kHotlist);
    const CliRun run = runInProcess({QStringLiteral("list"), QStringLiteral("--json"),
                                     QStringLiteral("--from"), QStringLiteral("opera"), hotlist});
    ASSERT_EQ(run.exitCode, ExitSuccess);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(root[QStringLiteral("title")].toString(), QStringLiteral("Opera Hotlist"));
    const QJsonArray children = root[QStringLiteral("children")].toArray();
    ASSERT_EQ(children.size(), 2);
    const QJsonObject work = children[0].toObject();
    EXPECT_EQ(work[QStringLiteral("title")].toString(), QStringLiteral("Work \"&\" play"));
    const QJsonArray workChildren = work[QStringLiteral("children")].toArray();
    ASSERT_EQ(workChildren.size(), 2);
    EXPECT_EQ(workChildren[0].toObject()[QStringLiteral("url")].toString(),
              QStringLiteral("https://wiki.example/?a=1&b=\"2\""));
    EXPECT_TRUE(workChildren[1].toObject()[QStringLiteral("children")].toArray().isEmpty());
    EXPECT_EQ(children[1].toObject()[QStringLiteral("url")].toString(),
              QStringLiteral("https://home.example/"));
}

TEST(CommandLine, RefusesBadArgumentsWithUsageAndExitTwo)
{
    const QStringList bad[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("count"), QStringLiteral("x.adr")},
        {QStringLiteral("count"), QStringLiteral("--from"), QStringLiteral("chrome"),
         QStringLiteral("x")},
        {QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("opera")},
        {QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("opera"),
         QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("count"), QStringLiteral("--json"), QStringLiteral("--from"),
         QStringLiteral("opera"), QStringLiteral("a")},
    };
    for (const QStringList& arguments : bad) {
        const CliRun run = runInProcess(arguments);
        EXPECT_EQ(run.exitCode, ExitUsage) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:")));
    }
    const CliRun help = runInProcess({QStringLiteral("list"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, ExitSuccess);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--json")));
}

TEST(CommandLine, MissingSourceFailsWithAMessageOnStandardError)
{
    test::TempTree dir;
    const QString missing = dir.path(QStringLiteral("missing"));
    for (const char* form : {"ie", "firefox", "opera"}) {
        for (const char* command : {"count", "list"}) {
            const CliRun run = runInProcess(
                {QLatin1String(command), QStringLiteral("--from"), QLatin1String(form), missing});
            EXPECT_EQ(run.exitCode, ExitFailure) << form << ' ' << command;
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
        }
    }
    // A folder is not a bookmark file, and a file is not a Favorites folder.
    const QString file = dir.write(QStringLiteral("file.html"), "x");
    EXPECT_EQ(runInProcess({QStringLiteral("list"), QStringLiteral("--from"),
                            QStringLiteral("firefox"), dir.path()})
                  .exitCode,
              ExitFailure);
    EXPECT_EQ(
        runInProcess({QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("ie"), file})
            .exitCode,
        ExitFailure);
}

TEST(CommandLine, CountAgreesWithTheListedTreeOfTheSampleFavorites)
{
    const QString sample = QStringLiteral(ORVALINK_SOURCE_DIR "/examples/Favorites");
    const CliRun count = runInProcess(
        {QStringLiteral("count"), QStringLiteral("--from"), QStringLiteral("ie"), sample});
    const CliRun list = runInProcess(
        {QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("ie"), sample});
    ASSERT_EQ(count.exitCode, ExitSuccess);
    ASSERT_EQ(list.exitCode, ExitSuccess);
    int folders = 0;
    int links = 0;
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        if (line.trimmed().startsWith(QLatin1Char('[')))
            ++folders;
        else
            ++links;
    }
    EXPECT_EQ(count.out, QStringLiteral("%1 Folders & %2 Links\n").arg(folders).arg(links));
    EXPECT_GE(folders, 10);
    EXPECT_GE(links, 30);
}

TEST(CommandLine, TheRealProgramKeepsResultsAndMessagesApart)
{
    test::TempTree dir;
    const QString hotlist = dir.write(QStringLiteral("h.adr"), kHotlist);
    QProcess process;
    process.start(
        QStringLiteral(ORVALINK_CLI_PATH),
        {QStringLiteral("count"), QStringLiteral("--from"), QStringLiteral("opera"), hotlist});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), ExitSuccess);
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray("2 Folders & 2 Links\n"));
    EXPECT_TRUE(process.readAllStandardError().isEmpty());

    process.start(QStringLiteral(ORVALINK_CLI_PATH), {QStringLiteral("list")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), ExitUsage);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
}

} // namespace
} // namespace orvalink
