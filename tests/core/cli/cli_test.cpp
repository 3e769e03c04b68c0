// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"
#include "cli/command_help.h"
#include "forms/form_table.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
    EXPECT_EQ(json.out.toStdString(),
              R"({"title":"Opera Hotlist","row":0,"children":[{"title":"Work \"&\" play","row":1,)"
              R"("children":[{"title":"Wiki","url":"https://wiki.example/?a=1&b=\"2\""},)"
              R"({"title":"Deeper","row":2,"children":[]}]},)"
              R"({"title":"Home","url":"https://home.example/"}]})"
              "\n");
    const CliRun countJson = runInProcess(words("count --json --from opera") << hotlist);
    EXPECT_EQ(countJson.out, u"{\"folders\": 2, \"links\": 2}\n"_s);
}

TEST(CommandLine, HelpIsPerCommandAndAnOptionsValueNeverAsksForIt)
{
    const CliRun overview = runInProcess(words("--help"));
    EXPECT_EQ(overview.exitCode, ExitSuccess);
    EXPECT_EQ(runInProcess(words("help")).out, overview.out);
    for (const char* command : {"count", "list", "convert", "discover"}) {
        EXPECT_TRUE(overview.out.contains(u"\n  %1 "_s.arg(QLatin1String(command)))) << command;
        const CliRun help = runInProcess(words("help") << QLatin1String(command));
        EXPECT_EQ(help.exitCode, ExitSuccess);
        EXPECT_TRUE(help.out.startsWith(u"Usage: orvalink-cli %1 "_s.arg(QLatin1String(command))));
        EXPECT_NE(help.out, overview.out);
        for (const char* option : {"--help", "-h"})
            EXPECT_EQ(runInProcess(QStringList{QLatin1String(command), u"--from"_s, u"x"_s,
                                               QLatin1String(option)})
                          .out,
                      help.out)
                << command << option;
    }
    EXPECT_TRUE(runInProcess(words("help list")).out.contains(u"--json"_s));

    // The value of an option is taken as it is: here a title and a source path.
    test::TempTree dir;
    const QString hotlist = dir.write(u"h.adr"_s, kHotlist);
    const CliRun converted = runInProcess(words("convert --from opera --to menu --title -h")
                                          << hotlist << dir.path(u"m.html"_s));
    EXPECT_EQ(converted.exitCode, ExitSuccess) << converted.err.toStdString();
    QFile page(dir.path(u"m.html"_s));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("<title>-h</title>"));
    const CliRun badForm = runInProcess(words("count --from --help x"));
    EXPECT_EQ(badForm.exitCode, ExitUsage);
    EXPECT_TRUE(badForm.err.startsWith(u"orvalink-cli: --from takes"_s))
        << badForm.err.toStdString();
}

TEST(CommandLine, ResultsThatCannotBeWrittenFailTheCommand)
{
    if (!QFile::exists(u"/dev/full"_s))
        GTEST_SKIP() << "this system has no /dev/full";
    test::TempTree dir;
    const QString hotlist = dir.write(u"h.adr"_s, kHotlist);
    for (const QStringList& arguments :
         {words("--help"), words("--version"), words("count --from opera") << hotlist,
          words("list --json --from opera") << hotlist}) {
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_s);
        process.start(QStringLiteral(ORVALINK_CLI_PATH), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), ExitFailure) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().startsWith("orvalink-cli: Cannot write"));
    }
}

// The session's language comes from LANG and LC_ALL, whether or not the system has generated
// that locale; the C locale keeps the English texts the man pages are written from.
TEST(CommandLine, SpeaksTheSessionLanguage)
{
    test::TempTree dir;
    const QString notAHotlist = dir.write(u"b.html"_s, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n");
    const struct
    {
        QString locale;
        QByteArray helpHeading;
        QString wrongForm;
    } cases[] = {
        {u"C"_s, "\nCommands:\n", u"The Selected File Is Not an Opera Hotlist."_s},
        {u"de_DE.UTF-8"_s, "\nBefehle:\n", u"Die ausgewählte Datei ist keine Opera-Hotlist."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.toStdString());
        const test::ScopedEnvironment lang("LANG", c.locale);
        const test::ScopedEnvironment all("LC_ALL", c.locale);
        const test::ScopedEnvironment language("LANGUAGE", QString());
        EXPECT_TRUE(test::runProgram({u"--help"_s}).out.contains(c.helpHeading));
        const QString error =
            QString::fromUtf8(test::runProgram(words("count --from opera") << notAHotlist).err);
        EXPECT_TRUE(error.contains(c.wrongForm)) << error.toStdString();
    }
}

TEST(CommandLine, ForceWritesABookmarkFileWhileFirefoxRuns)
{
    test::TempTree dir;
    const QString hotlist = dir.write(u"h.adr"_s, kHotlist);
    const ListedProcessTable firefoxRuns({u"firefox"_s});
    for (const bool force : {false, true}) {
        QStringList arguments = words("convert --from opera --to firefox")
                                << hotlist << dir.path(u"b%1.html"_s.arg(force));
        if (force)
            arguments << u"--force"_s;
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(runCli(arguments, out, err, test::cliSettings(), firefoxRuns),
                  force ? ExitSuccess : ExitFailure);
        EXPECT_EQ(QFile::exists(dir.path(u"b%1.html"_s.arg(force))), force);
    }
}

// The completions are written by hand: each shell's must know every command, form and option
// the help names.
TEST(CommandLine, CompletionsKnowWhatTheHelpNames)
{
    QStringList names{u"help"_s};
    for (const cli::CommandHelp& command : cli::allCommands()) {
        names << command.name;
        static const QRegularExpression option(u"--[a-z][a-z-]*"_s);
        for (const QRegularExpressionMatch& match :
             option.globalMatch(runInProcess({u"help"_s, command.name}).out))
            names << match.captured();
    }
    for (const StorageForm* form : allForms())
        names << form->commandLineName();
    names.removeDuplicates();
    for (const char* file : {"orvalink-cli.bash", "_orvalink-cli", "orvalink-cli.fish"}) {
        QFile completion(QLatin1String(ORVALINK_COMPLETIONS_DIR "/") + QLatin1String(file));
        ASSERT_TRUE(completion.open(QIODevice::ReadOnly)) << file;
        const QString text = QString::fromUtf8(completion.readAll());
        for (QString name : names) {
            // fish names a long option without its dashes.
            if (file == std::string_view("orvalink-cli.fish") && name.startsWith(u"--"_s))
                name = u"-l "_s + name.sliced(2);
            const QRegularExpression word(u"(^|[^\\w-])"_s + QRegularExpression::escape(name) +
                                          u"($|[^\\w-])"_s);
            EXPECT_TRUE(text.contains(word)) << file << " lacks " << name.toStdString();
        }
    }
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
