// SPDX-License-Identifier: GPL-3.0-or-later
// The real orvalink-cli under faults: killed anywhere in a large merge, and two conversions
// merging into one file at the same moment.

#include "cli/cli.h"
#include "conversion/destination_lock.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

using test::generatedSource;

QStringList mergeArguments(const QString& source, const QString& to, const QString& dest,
                           const QString& folder)
{
    const QString from = to == u"opera"_s ? u"firefox"_s : u"opera"_s;
    return {u"convert"_s, u"--from"_s, from, source, u"--to"_s, to, dest, u"--folder"_s, folder};
}

void start(QProcess& process, const QStringList& arguments)
{
    process.start(QStringLiteral(ORVALINK_CLI_PATH), arguments);
    ASSERT_TRUE(process.waitForStarted());
}

int finish(QProcess& process)
{
    EXPECT_TRUE(process.waitForFinished(120000));
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(ExportFaults, AMergeKilledAnywhereLeavesTheOldFileOrTheWholeNewOneAndNoHalfBackup)
{
    test::TempTree dir;
    const QString source =
        dir.write(u"source.html"_s, generatedSource(u"firefox"_s, 100000, "new"));
    const QByteArray oldBytes = generatedSource(u"opera"_s, 50000, "old");
    const QString dest = dir.write(u"dest.adr"_s, oldBytes);
    const QString backup = dir.path(u"Backup_of_dest.adr"_s);
    const QStringList arguments = mergeArguments(source, u"opera"_s, dest, u"New"_s);

    QProcess process;
    QElapsedTimer timer;
    timer.start();
    start(process, arguments);
    ASSERT_EQ(finish(process), ExitSuccess);
    const int duration = int(timer.elapsed());
    const QByteArray newBytes = dir.read(u"dest.adr"_s);
    ASSERT_GT(newBytes.size(), oldBytes.size());

    for (int trial = 0; trial < 3; ++trial) {
        dir.write(u"dest.adr"_s, oldBytes);
        QFile::remove(backup);
        const int delay = int(QRandomGenerator::global()->bounded(duration + 1));
        SCOPED_TRACE("killed after " + std::to_string(delay) + " ms");
        start(process, arguments);
        QThread::msleep(delay);
        process.kill();
        process.waitForFinished();
        const QByteArray now = dir.read(u"dest.adr"_s);
        EXPECT_TRUE(now == oldBytes || now == newBytes) << now.size() << " bytes";
        if (QFileInfo::exists(backup)) {
            EXPECT_TRUE(dir.read(u"Backup_of_dest.adr"_s) == oldBytes);
        }
    }

    // The killed processes' locks do not hold up the next conversion, which leaves none behind.
    dir.write(u"dest.adr"_s, oldBytes);
    start(process, arguments);
    EXPECT_EQ(finish(process), ExitSuccess) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(dir.read(u"dest.adr"_s) == newBytes);
    EXPECT_EQ(QDir(dir.path()).entryList({u"*.lock"_s}, QDir::Files | QDir::Hidden), QStringList());
}

TEST(ExportFaults, TwoMergesIntoOneFileAtOnceLoseNothingUnnoticed)
{
    // The bookmark file comes last: a Firefox running on this machine refuses that one.
    for (const QString& to : {u"opera"_s, u"firefox"_s}) {
        SCOPED_TRACE(to.toStdString());
        test::TempTree dir;
        const QString from = to == u"opera"_s ? u"firefox"_s : u"opera"_s;
        const QString dest = dir.write(u"dest"_s, generatedSource(to, 10, "old"));
        const QString folders[] = {u"First"_s, u"Second"_s};
        QStringList sources;
        for (const QString& folder : folders)
            sources << dir.write(folder, generatedSource(from, 20000, folder.toUtf8()));
        QProcess processes[2];
        for (int i = 0; i < 2; ++i)
            start(processes[i], mergeArguments(sources[i], to, dest, folders[i]));
        int merged = 0;
        QStringList expected{u"old 0/"_s};
        for (int i = 0; i < 2; ++i) {
            const int exitCode = finish(processes[i]);
            const QString out = QString::fromUtf8(processes[i].readAllStandardOutput());
            const QString err = QString::fromUtf8(processes[i].readAllStandardError());
            if (err.startsWith(u"orvalink-cli: Firefox is running"_s))
                GTEST_SKIP() << "A Firefox runs on this machine.";
            if (exitCode == ExitSuccess && out.contains(u"Exported Successfully."_s)) {
                ++merged;
                expected << folders[i] + u'/';
            } else {
                EXPECT_EQ(exitCode, ExitFailure);
                EXPECT_TRUE(err.startsWith(u"orvalink-cli: Destination In Use\n"_s))
                    << err.toStdString();
            }
        }
        EXPECT_GE(merged, 1);
        QStringList topLevel;
        for (const QString& entry : test::treeOf(to, dest)) {
            if (entry.endsWith(u'/') && entry.count(u'/') == 1)
                topLevel << entry;
        }
        expected.sort();
        EXPECT_EQ(topLevel.join(u' ').toStdString(), expected.join(u' ').toStdString());
    }
}

TEST(ExportFaults, TwoConversionsIntoAFileNotThereYetBothEndUpInIt)
{
    test::TempTree dir;
    const QString dest = dir.path(u"dest.adr"_s);
    const QString tags[] = {u"First"_s, u"Second"_s};
    QProcess processes[2];
    {
        // Both conversions start while another export holds the destination, so that both find
        // no file before either can write one.
        DestinationLock held(dest, DestinationLock::Kind::File);
        ASSERT_TRUE(held.acquire().ok());
        for (int i = 0; i < 2; ++i) {
            const QString source =
                dir.write(tags[i], generatedSource(u"firefox"_s, 200, tags[i].toUtf8()));
            start(processes[i],
                  {u"convert"_s, u"--from"_s, u"firefox"_s, source, u"--to"_s, u"opera"_s, dest});
        }
        QThread::msleep(1500);
    }
    for (QProcess& process : processes)
        EXPECT_EQ(finish(process), ExitSuccess) << process.readAllStandardError().toStdString();
    // Each said "Exported Successfully": the later merged into the earlier's file.
    const QStringList written = test::treeOf(u"opera"_s, dest);
    for (int i = 0; i < 2; ++i) {
        const QString link = tags[i] + u".example/"_s;
        const auto links = std::count_if(written.begin(), written.end(), [&](const QString& entry) {
            return entry.contains(link);
        });
        EXPECT_EQ(links, 200) << tags[i].toStdString();
    }
}

} // namespace
} // namespace orvalink
