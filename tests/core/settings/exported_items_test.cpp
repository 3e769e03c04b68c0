// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exported_items.h"
#include "settings/program_settings.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <gtest/gtest.h>

namespace orvalink {
namespace {

class ExportedItemsTest : public ::testing::Test
{
protected:
    void storeTotal(const QByteArray& value) const
    {
        tree.write(kOptions, "[Settings]\r\nTotalItemsExported=" + value + "\r\n");
    }

    const QString kOptions = QStringLiteral("orvalink/Orvalink.ini");
    test::TempTree tree;
    ProgramSettings settings{tree.path(QStringLiteral("orvalink"))};
};

TEST_F(ExportedItemsTest, TotalGrowsAsThirtyTwoBitsAndNeverWraps)
{
    // Reading the total creates no options file.
    EXPECT_EQ(AddTotalItemsExported(settings, 0), 0);
    EXPECT_FALSE(QFile::exists(tree.path(kOptions)));
    EXPECT_EQ(AddTotalItemsExported(settings, 5), 5);

    storeTotal("32760");
    EXPECT_EQ(AddTotalItemsExported(settings, 10), 32770);

    storeTotal("2147483640");
    EXPECT_EQ(AddTotalItemsExported(settings, 10), 2147483640);
    EXPECT_EQ(AddTotalItemsExported(settings, 7), 2147483647);
    EXPECT_EQ(AddTotalItemsExported(settings, 1), 2147483647);

    storeTotal("-5");
    EXPECT_EQ(AddTotalItemsExported(settings, 0), 0);

    // A total that cannot be read is left alone.
    storeTotal("99999999999");
    EXPECT_EQ(AddTotalItemsExported(settings, 3), 0);
    EXPECT_EQ(tree.read(kOptions), "[Settings]\r\nTotalItemsExported=99999999999\r\n");
}

#ifdef Q_OS_UNIX
TEST_F(ExportedItemsTest, ProgramsExportingAtTheSameTimeLoseNoItem)
{
    constexpr int programs = 4;
    constexpr int exportsEach = 25;
    std::vector<pid_t> children;
    for (int p = 0; p < programs; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int e = 0; e < exportsEach; ++e)
                AddTotalItemsExported(settings, 1);
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(AddTotalItemsExported(settings, 0), programs * exportsEach);
}
#endif

} // namespace
} // namespace orvalink
