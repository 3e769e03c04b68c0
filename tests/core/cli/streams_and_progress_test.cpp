// SPDX-License-Identifier: GPL-3.0-or-later
// orvalink-cli convert with "-" for standard input and output, its progress line on a terminal,
// and what it says after a merge.

#include "cli/cli.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;
using test::CliRun;
using test::runInProcess;

using test::ProgramRun;
using test::runProgram;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StreamsAndProgress, DashReadsStandardInputAndWritesStandardOutputAsFilesWould)
{
    const QString profile = u"firefox-profile/home/.config/mozilla/firefox/2r0y743k.orvalink/"_s;
    const struct
    {
        QString from;
        QString fixture;
        QString to;
    } cases[] = {
        {u"firefox"_s, u"firefox-profile/bookmarks.html"_s, u"opera"_s},
        {u"opera"_s, u"hotlist/opera_linux/input.adr"_s, u"firefox"_s},
        {u"firefox"_s, profile + u"places.sqlite"_s, u"menu"_s},
        {u"chromium"_s, u"chromium-profile/Default/Bookmarks"_s, u"firefox"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture.toStdString() + " to " + c.to.toStdString());
        test::TempTree dir;
        const QString source = test::fixturePath(c.fixture);
        const QString file = dir.path(u"written"_s);
        const CliRun toFile = runInProcess(
            {u"convert"_s, u"--from"_s, c.from, source, u"--to"_s, c.to, file, u"-q"_s});
        ASSERT_EQ(toFile.exitCode, ExitSuccess) << toFile.err.toStdString();
        // A file there already is never merged into when standard output is the destination.
        const ProgramRun piped =
            runProgram({u"convert"_s, u"--from"_s, c.from, u"-"_s, u"--to"_s, c.to, u"-"_s},
                       readBytes(source));
        EXPECT_EQ(piped.exitCode, ExitSuccess) << piped.err.toStdString();
        EXPECT_EQ(piped.out, readBytes(file));
        EXPECT_TRUE(piped.err.contains("Exported Successfully.\n")) << piped.err.toStdString();
    }
}

// A message about standard input names it so, never its private copy. (Into a hotlist: a Firefox
// someone else runs on this machine would stop a conversion into a bookmark file first.)
TEST(StreamsAndProgress, StandardInputIsNamedSoInMessages)
{
    test::TempTree dir;
    const ProgramRun garbage =
        runProgram(QStringList{u"convert"_s, u"--from"_s, u"firefox"_s, u"-"_s, u"--to"_s,
                               u"opera"_s, dir.path(u"y.adr"_s)},
                   "no bookmark file at all");
    EXPECT_EQ(garbage.exitCode, ExitFailure);
    EXPECT_TRUE(garbage.err.contains("orvalink-cli: standard input\n")) << garbage.err.data();
    EXPECT_FALSE(QFile::exists(dir.path(u"y.adr"_s)));
}

TEST(StreamsAndProgress, ProgressIsShownOnATerminalOnlyAndNotWhenQuiet)
{
    test::TempTree dir;
    // Large enough that converting it takes longer than the moment before progress is shown.
    const QString source =
        dir.write(u"large.html"_s, test::generatedSource(u"firefox"_s, 50000, "Link"));
    const auto arguments = [&](const QString& dest) {
        return QStringList{u"convert"_s, u"--from"_s, u"firefox"_s,  source,
                           u"--to"_s,    u"opera"_s,  dir.path(dest)};
    };
    const ProgramRun terminal = runProgram(arguments(u"a.adr"_s), {}, true);
    EXPECT_EQ(terminal.exitCode, ExitSuccess);
    EXPECT_TRUE(terminal.err.contains("\rWriting: folder ")) << terminal.err.data();
    // The line is wiped before the result.
    EXPECT_TRUE(terminal.err.endsWith(" \r")) << terminal.err.data();
    EXPECT_EQ(terminal.out, "50 Folders & 50000 Links Exported Successfully.\n");

    const ProgramRun pipe = runProgram(arguments(u"b.adr"_s));
    EXPECT_EQ(pipe.exitCode, ExitSuccess);
    EXPECT_EQ(pipe.err, QByteArray());

    const ProgramRun quiet = runProgram(arguments(u"c.adr"_s) << u"--quiet"_s, {}, true);
    EXPECT_EQ(quiet.exitCode, ExitSuccess);
    EXPECT_EQ(quiet.out + quiet.err, QByteArray());
}

TEST(StreamsAndProgress, AMergeSaysWhereItWentTheBackupAndTheFolder)
{
    const struct
    {
        const char* options;
        QString backupLine;
        QString folderLine;
    } cases[] = {
        {"--folder Mine", u"Backup made in %1."_s,
         u"The bookmarks went into the folder \"Mine\"."_s},
        {"--no-backup --top-level", u"No backup was made."_s,
         u"The bookmarks went into the top level."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        test::TempTree dir;
        const QString source = test::fixturePath(u"firefox-profile/bookmarks.html"_s);
        const QString dest = dir.path(u"dest.adr"_s);
        const QStringList convert{u"convert"_s, u"--from"_s, u"firefox"_s, source,
                                  u"--to"_s,    u"opera"_s,  dest};
        ASSERT_EQ(runInProcess(convert).exitCode, ExitSuccess);
        const CliRun merge = runInProcess(convert + test::words(c.options));
        EXPECT_EQ(merge.exitCode, ExitSuccess);
        EXPECT_EQ(merge.err,
                  u"orvalink-cli: Merged into %1.\norvalink-cli: "_s.arg(dest) +
                      QString(c.backupLine).replace(u"%1"_s, dir.path(u"Backup_of_dest.adr"_s)) +
                      u"\norvalink-cli: "_s + c.folderLine + u'\n');
    }
}

} // namespace
} // namespace orvalink
