// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/color_presets.h"
#include "forms/menu_page/menu_page_generator.h"
#include "settings/csetting.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

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
    // The colours as the page writes them, separated by blanks.
    QString pageCodes(const MenuColors& colors) const
    {
        QStringList codes;
        for (MenuColor color : colors)
            codes << ColorToHtml(color);
        return codes.join(u' ');
    }
    QByteArray store() const { return dir.read(u8("ColorPreset.ini")); }

    test::TempTree dir;
};

TEST_F(ColorPresetTest, FirstStartInstallsIceAndSteelOnce)
{
    MenuColorPresets table = installed();
    EXPECT_EQ(names(table), u8("<Custom>,Ice,Steel"));
    CSetting settings;
    settings.Init(storePath());
    EXPECT_EQ(settings.GetSettingStr(u8("Version"), u8("Version")).value(), u8("2"));
    EXPECT_EQ(settings.GetSectionNames().value(),
              QStringList({u8("Ice"), u8("Steel"), u8("Version")}));

    EXPECT_EQ(pageCodes(table.ApplyColorPreset(table.entries()[1].row)),
              u8("#333344 #333344 #E6E6EF #C6E1A0 #8090AE #8090AE #FFFFFF #8090AE"));
    EXPECT_EQ(pageCodes(table.ApplyColorPreset(table.entries()[2].row)),
              u8("#000000 #FFFFFF #CCCCDD #6699CC #666666 #666666 #FFFFFF #336699"));
    EXPECT_EQ(table.ApplyColorPreset(MenuColorPresets::CustomRow), kDefaultMenuColors);

    // A user's change to a built-in survives the next start.
    MenuColors mine = kDefaultMenuColors;
    ASSERT_TRUE(table.savePreset(u8("Ice"), mine).ok());
    MenuColorPresets again = installed();
    EXPECT_EQ(again.ApplyColorPreset(again.entries()[again.findEntry(u8("Ice"))].row), mine);
}

TEST_F(ColorPresetTest, InstallsOnlyOverAnOlderVersion)
{
    dir.write(u8("ColorPreset.ini"), "[Version]\r\nVersion=1.5\r\n");
    MenuColorPresets table = presets();
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

TEST_F(ColorPresetTest, RefusesReservedNamesAndOverwritesWithoutRegardToCase)
{
    MenuColorPresets table = installed();
    const QByteArray before = store();
    for (const char* name : {"", "  ", "<Mine>", " <x", "Version", "VERSION"}) {
        EXPECT_TRUE(MenuColorPresets::isRefusedName(u8(name))) << name;
        EXPECT_FALSE(table.savePreset(u8(name), kDefaultMenuColors).ok()) << name;
    }
    EXPECT_FALSE(MenuColorPresets::isRefusedName(u8("My <Preset>")));
    EXPECT_EQ(store(), before);
    EXPECT_EQ(names(table), u8("<Custom>,Ice,Steel"));

    // "ice" is "Ice" to the store, so saving it overwrites Ice, which moves to the end.
    EXPECT_EQ(table.entryOverwrittenBy(u8("ice")), 1);
    EXPECT_EQ(table.entryOverwrittenBy(u8("Fresh")), -1);
    const MenuColors colors = {1, 2, 3, 4, 5, 6, 7, 8};
    const Result<int> saved = table.savePreset(u8("ice"), colors);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value(), 2);
    EXPECT_EQ(names(table), u8("<Custom>,Steel,Ice"));
    EXPECT_EQ(table.ApplyColorPreset(table.entries()[2].row), colors);
    EXPECT_EQ(table.entries()[2].row, 3);

    MenuColorPresets reloaded = presets();
    reloaded.LoadColorPresets();
    EXPECT_EQ(names(reloaded), u8("<Custom>,Ice,Steel"));
    EXPECT_EQ(reloaded.ApplyColorPreset(reloaded.entries()[1].row), colors);

    // A new name goes to the end of the list in a row of its own.
    ASSERT_TRUE(table.savePreset(u8("Fresh"), kDefaultMenuColors).ok());
    EXPECT_EQ(table.entries().back().name, u8("Fresh"));
    EXPECT_EQ(table.entries().back().row, 4);
}

TEST_F(ColorPresetTest, DeletesAPresetsSectionButNeverCustom)
{
    MenuColorPresets table = installed();
    EXPECT_FALSE(table.deletePreset(0).ok());
    EXPECT_FALSE(table.deletePreset(3).ok());
    ASSERT_EQ(table.entries().size(), 3u);

    ASSERT_TRUE(table.deletePreset(1).ok());
    EXPECT_EQ(names(table), u8("<Custom>,Steel"));
    EXPECT_FALSE(store().contains("[Ice]"));
    EXPECT_FALSE(store().contains("Color0=4469555"));

    // A store that refuses: the preset stays stored, but leaves the list until the next load;
    // saving adds nothing.
    QFile::setPermissions(storePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(table.savePreset(u8("Other"), kDefaultMenuColors).ok());
    EXPECT_EQ(names(table), u8("<Custom>,Steel"));
    EXPECT_FALSE(table.deletePreset(1).ok());
    EXPECT_EQ(names(table), u8("<Custom>"));
    table.LoadColorPresets();
    EXPECT_EQ(names(table), u8("<Custom>,Steel"));
}

} // namespace
} // namespace orvalink
