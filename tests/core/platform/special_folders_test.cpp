// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/special_folders.h"
#include "platform/user_name.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

class SpecialFoldersTest : public ::testing::Test
{
protected:
    test::TempTree tree;
    test::ScopedEnvironment home{"HOME", tree.path(QStringLiteral("home"))};
    test::ScopedEnvironment xdg{"XDG_CONFIG_HOME", QString()};
};

TEST_F(SpecialFoldersTest, FavoritesPreferTheHomeFolderThenWine)
{
    tree.mkdir(QStringLiteral("home"));
    EXPECT_EQ(GetFolderPath(), QString());

    const QString user = GetLogonUserName();
    ASSERT_FALSE(user.isEmpty());
    // A Wine prefix without the Favorites folder does not count.
    tree.mkdir(QStringLiteral("home/.wine/drive_c/users/") + user);
    EXPECT_EQ(GetFolderPath(), QString());
    const QString wine = tree.mkdir(QStringLiteral("home/.wine/drive_c/users/") + user +
                                    QStringLiteral("/Favorites"));
    EXPECT_EQ(GetFolderPath(), wine);

    const QString own = tree.mkdir(QStringLiteral("home/Favorites"));
    EXPECT_EQ(GetSpecialFolder(SpecialFolder::Favorites), own);
}

TEST_F(SpecialFoldersTest, ConfigurationFoldersFollowXdgAndPortableMode)
{
    const QString program = tree.mkdir(QStringLiteral("program"));
    EXPECT_EQ(GetSpecialFolder(SpecialFolder::ApplicationData),
              tree.path(QStringLiteral("home/.config")));
    EXPECT_EQ(optionsFolder(program), tree.path(QStringLiteral("home/.config/orvalink")));
    {
        // A relative XDG path is to be ignored.
        const test::ScopedEnvironment relative("XDG_CONFIG_HOME",
                                               QStringLiteral("relative/config"));
        EXPECT_EQ(optionsFolder(program), tree.path(QStringLiteral("home/.config/orvalink")));
    }
    {
        const test::ScopedEnvironment absolute("XDG_CONFIG_HOME",
                                               tree.path(QStringLiteral("xdg/")));
        EXPECT_EQ(GetSpecialFolder(SpecialFolder::ApplicationData),
                  tree.path(QStringLiteral("xdg")));
        EXPECT_EQ(optionsFolder(program), tree.path(QStringLiteral("xdg/orvalink")));
    }

    // Only an options file makes a program folder portable; a folder of that name does not.
    tree.mkdir(QStringLiteral("program/Orvalink.ini"));
    EXPECT_EQ(optionsFolder(program), tree.path(QStringLiteral("home/.config/orvalink")));
    const QString other = tree.mkdir(QStringLiteral("other"));
    tree.write(QStringLiteral("other/Orvalink.ini"), "[Settings]\n");
    EXPECT_EQ(optionsFolder(other), other);
}

} // namespace
} // namespace orvalink
