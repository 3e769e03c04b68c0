// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processes.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orvalink {
namespace {

using test::u8;

bool running(const char* exeName, const QStringList& names)
{
    return IsProcessRunning(u8(exeName), ListedProcessTable(names));
}

TEST(IsProcessRunningTest, WholeNamesMatchWithoutRegardToCase)
{
    EXPECT_TRUE(running("firefox.exe", {u8("bash"), u8("FIREFOX.EXE")}));
    EXPECT_TRUE(running("firefox.exe", {u8("firefox")}));
    EXPECT_TRUE(running("firefox.exe", {u8("firefox-esr")}));
    EXPECT_TRUE(running("firefox.exe", {u8("Firefox-Bin")}));
    EXPECT_TRUE(running("opera.exe", {u8("opera")}));
    EXPECT_TRUE(running("Opera.exe", {u8("OPERA.EXE")}));

    EXPECT_FALSE(running("firefox.exe", {u8("myfirefox"), u8("firefox.exe.bak"),
                                         u8("myfirefox.exe"), u8("firefox-esr2"), u8("opera")}));
    EXPECT_FALSE(running("opera.exe", {u8("firefox"), u8("operator"), u8("opera.exe.old")}));
    EXPECT_FALSE(running("firefox.exe", {}));
}

TEST(SystemProcessTableTest, FindsThisTestsOwnExecutable)
{
    const QStringList names = SystemProcessTable().executableNames();
    EXPECT_TRUE(names.contains(QFile::decodeName(program_invocation_short_name)))
        << names.join(u8(", ")).toStdString();
}

TEST(SystemProcessTableTest, ReadsTheUsersProcessesByLinkOrCommandName)
{
    test::TempTree proc;
    // A browser updated while it runs: its link target carries a mark after the path.
    proc.mkdir(u8("101"));
    ASSERT_TRUE(
        QFile::link(u8("/usr/lib/firefox-esr/firefox-esr (deleted)"), proc.path(u8("101/exe"))));
    proc.write(u8("101/comm"), "firefox-esr\n");
    // A process whose link cannot be read: its command name can.
    proc.write(u8("202/comm"), "opera\n");
    // A process that ended while the table was read.
    proc.mkdir(u8("303"));
    // Not a process.
    proc.write(u8("self/comm"), "bash\n");
    proc.write(u8("cpuinfo"), "");

    const SystemProcessTable table(proc.path(), ::geteuid());
    QStringList names = table.executableNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{u8("firefox-esr"), u8("opera")}));
    EXPECT_TRUE(IsProcessRunning(u8("firefox.exe"), table));

    // The same processes run by another user hold none of this user's files.
    EXPECT_TRUE(SystemProcessTable(proc.path(), ::geteuid() + 1).executableNames().isEmpty());
    EXPECT_TRUE(SystemProcessTable(proc.path(u8("none")), ::geteuid()).executableNames().isEmpty());
}

} // namespace
} // namespace orvalink
