#include "cli/cli.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;
using test::CliRun;
using test::runInProcess;
using test::words;

const QByteArray kHotlist("Opera Hotlist version 2.0\n\n"
                          "#FOLDER\n\tNAME=Work \"&\" play\n\n"
                          "#URL\n\tNAME=Wiki\n\tURL=https://wiki.example/?a=1&b=\"2\"\n\n"
                          "#FOLDER\n\tNAME=Deeper\n\n-\n-\n"
                          "#URL\n\tNAME=Home\n\tURL=https://home.example/\n");

TEST(CommandLine, CountsAndListsASourceInSourceOrderAsTextAndAsJson)
{
    test::TempTree dir;
    const QString hotlist = dir.write(u"h.adr"_s, kHotlist);
    const CliRun count = runInProcess(words("count --from opera") << hotlist);
    EXPECT_EQ(count.exitCode, ExitSuccess);
    EXPECT_EQ(count.out, u"2 Folders & 2 Links\n"_s);
    EXPECT_TRUE(count.err.isEmpty());

    const CliRun list = runInProcess(words("list --from opera") << hotlist);
    EXPECT_EQ(list.exitCode, ExitSuccess);
    EXPECT_EQ(list.out, u"[0] Opera Hotlist\n"
                        "  [1] Work \"&\" play\n"
                        "    Wiki <https://wiki.example/?a=1&b=\"2\">\n"
                        "    [2] Deeper\n"
                        "  Home <https://home.example/>\n"_s);

    const CliRun json = runInProcess(words("list --json --from opera") << hotlist);
    EXPECT_EQ(json.exitCode, ExitSuccess);
    EXPECT_EQ(
        json.out.toStdString(),
        R"({"title":"Opera Hotlist","children":[{"title":"Work \"&\" play","children":[)"
        R"({"title":"Wiki","url":"https://wiki.example/?a=1&b=\"2\""},)"
        R"({"title":"Deeper","children":[]}]},{"title":"Home","url":"https://home.example/"}]})"
        "\n");
}

TEST(CommandLine, RefusesBadArgumentsWithUsageAndExitTwo)
{
    for (const char* bad :
         {"", "frobnicate", "count x.adr", "count --from chrome x", "list --from opera",
          "list --from opera a b", "count --json --from opera a"}) {
        const CliRun run = runInProcess(words(bad));
        EXPECT_EQ(run.exitCode, ExitUsage) << bad;
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(u"Usage:"_s));
    }
    const CliRun help = runInProcess(words("list --help"));
    EXPECT_EQ(help.exitCode, ExitSuccess);
    EXPECT_TRUE(help.out.contains(u"--json"_s));
}

TEST(CommandLine, MissingOrUnreadableSourceFailsWithAMessageOnStandardError)
{
    test::TempTree dir;
    QStringList unreadable{dir.path(u"missing"_s)};
#ifdef Q_OS_UNIX
    // A FIFO would block whoever opens it.
    unreadable << dir.path(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(unreadable.last()).constData(), 0644), 0);
#endif
    for (const QString& path : unreadable) {
        for (const char* form : {"ie", "firefox", "opera"}) {
            for (const char* command : {"count", "list"}) {
                const CliRun run =
                    runInProcess({QLatin1String(command), u"--from"_s, QLatin1String(form), path});
                EXPECT_EQ(run.exitCode, ExitFailure) << form << ' ' << command;
                EXPECT_TRUE(run.out.isEmpty());
                EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
            }
        }
    }
    // A folder is not a bookmark file, and a file is not a Favorites folder.
    const QString file = dir.write(u"file.html"_s, "x");
    EXPECT_EQ(runInProcess(words("list --from firefox") << dir.path()).exitCode, ExitFailure);
    EXPECT_EQ(runInProcess(words("list --from ie") << file).exitCode, ExitFailure);
}

} // namespace
} // namespace orvalink
