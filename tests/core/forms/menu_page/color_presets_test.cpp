// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/color_presets.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using test::u8;

class ColorPresetTest : public ::testing::Test
{
protected:
    QString storePath() const { return dir.path(u8("ColorPreset.ini")); }
    MenuColorPresets presets() const { return MenuColorPresets(storePath()); }
    // The table as the menu window finds it at its start.
    MenuColorPresets installed() const
    {
        MenuColorPresets table = presets();
        table.InstallBuiltInPresets();
        table.LoadColorPresets();
        return table;
    }
    // The names of the list, separated by ",".
    QString names(const MenuColorPresets& table) const
    {
        QStringList result;
        for (const MenuColorPresets::Entry& entry : table.entries())
            result << entry.name;
        return result.join(u',');
    }
    QByteArray store() const { return dir.read(u8("ColorPreset.ini")); }

    test::TempTree dir;
};

// Saving, overwriting, refusing and deleting presets are the menu window test's; here what it
// does not reach: the versions of the store, its odd values and a store that refuses.
TEST_F(ColorPresetTest, InstallsOnlyOverAnOlderVersionAndKeepsTheUsersChanges)
{
    MenuColorPresets table = installed();
    MenuColors mine = kDefaultMenuColors;
    ASSERT_TRUE(table.savePreset(u8("Ice"), mine).ok());
    MenuColorPresets again = installed();
    EXPECT_EQ(again.ApplyColorPreset(again.entries()[again.findEntry(u8("Ice"))].row), mine);

    dir.write(u8("ColorPreset.ini"), "[Version]\r\nVersion=1.5\r\n");
    table.InstallBuiltInPresets();
    EXPECT_EQ(store(), QByteArray("[Version]\r\nVersion=2\r\n"));

    dir.write(u8("ColorPreset.ini"), "[Version]\r\nVersion=1\r\n");
    table.InstallBuiltInPresets();
    table.LoadColorPresets();
    EXPECT_EQ(names(table), u8("<Custom>,Ice,Steel"));
}

TEST_F(ColorPresetTest, LoadsInStoreOrderKeepingColoursForMissingOrInvalidKeys)
{
    dir.write(u8("ColorPreset.ini"), "[Version]\nVersion=2\n"
                                     "[First]\nColor0=1\nColor1=2\nColor2=3\nColor4=5\n"
                                     "Color5=6\nColor6=7\nColor7=8\n"
                                     "[Second]\nColor0=0\nColor1=16777216\nColor2=-1\n"
                                     "Color3=abc\nColor4=16777215\nColor5=12abc\n"
                                     "[version]\n");
    MenuColorPresets table = presets();
    table.LoadColorPresets();
    ASSERT_EQ(names(table), u8("<Custom>,First,Second"));
    // Rows follow the store's sections; "Version" leaves row 1 unused.
    EXPECT_EQ(table.entries()[1].row, 2);
    EXPECT_EQ(table.entries()[2].row, 3);
    EXPECT_EQ(table.row(2).PresetName, u8("First"));
    // Color3 is missing: "<Custom>"'s 33023 stays.
    EXPECT_EQ(table.ApplyColorPreset(2), (MenuColors{1, 2, 3, 33023, 5, 6, 7, 8}));
    // Out of range or not a number: the colour of the preset before stays. 0 and 16777215 are
    // colours; "12abc" reads as 12.
    EXPECT_EQ(table.ApplyColorPreset(3), (MenuColors{0, 2, 3, 33023, 16777215, 12, 7, 8}));
}

TEST_F(ColorPresetTest, AStoreThatRefusesKeepsThePresetsStored)
{
    MenuColorPresets table = installed();
    EXPECT_FALSE(table.deletePreset(0).ok());
    EXPECT_FALSE(table.deletePreset(3).ok());
    // The preset stays stored, but leaves the list until the next load; saving adds nothing.
    QFile::setPermissions(storePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(table.savePreset(u8("Other"), kDefaultMenuColors).ok());
    EXPECT_EQ(names(table), u8("<Custom>,Ice,Steel"));
    EXPECT_FALSE(table.deletePreset(1).ok());
    EXPECT_EQ(names(table), u8("<Custom>,Steel"));
    table.LoadColorPresets();
    EXPECT_EQ(names(table), u8("<Custom>,Ice,Steel"));
}

} // namespace
} // namespace orvalink
