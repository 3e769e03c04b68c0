// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-options table and the saved locations against options files as the program has
// always written them: every key reads into the choice it stands for; a first start writes every
// key with its default.

#include "settings/program_settings.h"
#include "settings/saved_locations.h"
#include "settings/saved_options.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

class SavedOptionsTest : public ::testing::Test
{
protected:
    void storeFile(const QByteArray& bytes) const { dir.write(u"Orvalink.ini"_s, bytes); }
    QByteArray storedFile() const { return dir.read(u"Orvalink.ini"_s); }

    template <typename Options> Options load()
    {
        SettingsReader reader(settings);
        return LoadOptions<Options>(reader);
    }

    test::TempTree dir;
    ProgramSettings settings{dir.path()};
};

// Written back byte for byte by every export window: the window settings' test.
TEST_F(SavedOptionsTest, EveryKeyLoadsIntoItsChoice)
{
    storeFile("[Settings]\r\n"
              "Backup=0\r\nLinksBefore=1\r\nKeepOrder=1\r\nOldErase=-1\r\nOldMerge=0\r\n"
              "0Where=-1\r\n1Where=0\r\n"
              "WhereRoot=-1\r\nWhereNew=0\r\n"
              "ColorPreset=Steel\r\nOpenInNewWin=0\r\nShowURL=0\r\nVertical=1\r\n"
              "Shadows=0\r\nStatistics=1\r\nBreakVertical=0\r\nShowInBrowser=0\r\n"
              "PageTitle=Mine: Ü\r\nBreakAfter=12\r\nMenuKeepOrder=1\r\n");

    FileWindowOptions files;
    files.backup = false;
    files.linksBefore = true;
    files.keepOrder = true;
    files.oldBookmarks = OldBookmarks::Overwrite;
    files.where = FileWhere::Root;
    FavoritesWindowOptions favorites;
    favorites.where = FavoritesWhere::Root;
    MenuWindowOptions menu;
    menu.colorPreset = u"Steel"_s;
    menu.openInNewWindow = menu.showUrl = menu.shadows = false;
    menu.vertical = menu.showStatistics = true;
    menu.breakSubmenus = menu.showInBrowser = false;
    menu.pageTitle = u"Mine: Ü"_s;
    menu.breakAfter = 12;
    menu.keepOrder = true;
    EXPECT_EQ(load<FileWindowOptions>(), files);
    EXPECT_EQ(load<FavoritesWindowOptions>(), favorites);
    EXPECT_EQ(load<MenuWindowOptions>(), menu);
}

TEST_F(SavedOptionsTest, FirstStartGivesTheDefaultsAndWritesEveryKey)
{
    EXPECT_EQ(load<FileWindowOptions>(), FileWindowOptions());
    EXPECT_EQ(load<FavoritesWindowOptions>(), FavoritesWindowOptions());
    EXPECT_EQ(load<MenuWindowOptions>(), MenuWindowOptions());
    // Reading creates no options file.
    EXPECT_FALSE(QFile::exists(settings.optionsFile()));
    {
        SettingsWriter writer(settings);
        SaveOptions(writer, FileWindowOptions());
        SaveOptions(writer, FavoritesWindowOptions());
        SaveOptions(writer, MenuWindowOptions());
    }
    EXPECT_EQ(storedFile(),
              "[Settings]\nBackup=1\nLinksBefore=0\nKeepOrder=0\nOldErase=0\nOldMerge=-1\n"
              "0Where=0\n1Where=-1\nWhereRoot=0\nWhereNew=-1\nColorPreset=\n"
              "OpenInNewWin=1\nShowURL=1\nVertical=0\nShadows=1\nStatistics=0\n"
              "BreakVertical=1\nShowInBrowser=1\nPageTitle=Bookmarks By Orvalink\n"
              "BreakAfter=25\nMenuKeepOrder=0\n");
}

TEST_F(SavedOptionsTest, OddValuesReadAsTheWindowsAlwaysShowedThem)
{
    struct Case
    {
        QByteArray keys;
        FileWindowOptions files;
        FavoritesWhere favorites;
        qint16 breakAfter;
    };
    FileWindowOptions neither;
    neither.oldBookmarks = OldBookmarks::Overwrite;
    neither.where = FileWhere::Root;
    FileWindowOptions partly;
    partly.backup = false;
    const Case cases[] = {
        // No button set: what an export made of it, no merge, the top level.
        {"OldErase=0\nOldMerge=0\n0Where=0\n1Where=0\n", neither, FavoritesWhere::NewFolder, 25},
        // Both set: the later one, as the later button took the group; any number but 0 sets.
        {"OldErase=-1\nOldMerge=1\n0Where=-1\n1Where=7\nWhereRoot=1\n",
         {},
         FavoritesWhere::Root,
         25},
        // Partly checked reads as not checked; a value no check box has keeps the default.
        {"Backup=2\nLinksBefore=5\nBreakAfter=12 items\n", partly, FavoritesWhere::NewFolder, 12},
        // "WhereNew" is never read; numbers beyond their size keep the default.
        {"WhereRoot=0\nWhereNew=0\nBackup=99999999999\nBreakAfter=40000\n",
         {},
         FavoritesWhere::NewFolder,
         25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.toStdString());
        storeFile("[Settings]\n" + c.keys);
        EXPECT_EQ(load<FileWindowOptions>(), c.files);
        EXPECT_EQ(load<FavoritesWindowOptions>().where, c.favorites);
        EXPECT_EQ(load<MenuWindowOptions>().breakAfter, c.breakAfter);
    }

    // An options file that cannot be read gives the defaults.
    ASSERT_TRUE(QFile::remove(settings.optionsFile()));
    ASSERT_TRUE(QDir().mkpath(settings.optionsFile()));
    EXPECT_EQ(load<FileWindowOptions>(), FileWindowOptions());
}

TEST_F(SavedOptionsTest, LocationsKeepWhatIsStillThere)
{
    const QString kept = dir.write(u"files/bookmarks.html"_s, {});
    const QString other = dir.write(u"files/other.adr"_s, {});
    const QString profiled = u"<default> "_s + kept;
    storeFile("[Settings]\nFavLocation=" + dir.path(u"files"_s).toUtf8() +
              "\n0NNLocation=" + dir.path(u"files/deleted.html"_s).toUtf8() +
              "\n1NNLocation=" + profiled.toUtf8() + "\n3NNLocation=<work> /no/such.html" +
              "\n0OperaHotlist=" + other.toUtf8() + "\n1OperaHotlist=<Opera> " + other.toUtf8() +
              "\n0MenuLocation=" + dir.path(u"files/new.html"_s).toUtf8() +
              "\n1MenuLocation=" + dir.path(u"gone/menu.html"_s).toUtf8() + "\n");
    SettingsReader reader(settings);
    struct Case
    {
        FormId form;
        QStringList entries;
        bool newestKept;
    };
    const Case cases[] = {
        {FormId::Favorites, {dir.path(u"files"_s)}, true},
        // Entry 0 is gone: what remains is not taken up.
        {FormId::BookmarkFile, {profiled}, false},
        // A hotlist entry is the path as a whole.
        {FormId::Hotlist, {other}, true},
        // A new page in an existing folder counts.
        {FormId::MenuPage, {dir.path(u"files/new.html"_s)}, true},
    };
    for (const Case& c : cases) {
        const SavedLocations saved = LoadLocations(reader, c.form);
        EXPECT_EQ(saved.entries, c.entries) << int(c.form);
        EXPECT_EQ(saved.newestKept, c.newestKept) << int(c.form);
    }
}

TEST_F(SavedOptionsTest, LocationsAreSavedMostRecentFirst)
{
    const QStringList seven{u"a"_s, u"<p> b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s};
    {
        SettingsWriter writer(settings);
        SaveLocations(writer, FormId::BookmarkFile, seven);
        SaveLocations(writer, FormId::MenuPage, seven);
        SaveLocations(writer, FormId::Hotlist, {u"<Opera> x"_s, u"y"_s});
        SaveLocations(writer, FormId::Favorites, {u"/fav"_s});
    }
    // Every bookmark file is written, though five are read; a menu page history keeps five;
    // discovered hotlists are left out.
    EXPECT_EQ(storedFile(),
              "[Settings]\n0NNLocation=a\n1NNLocation=<p> b\n2NNLocation=c\n3NNLocation=d\n"
              "4NNLocation=e\n5NNLocation=f\n6NNLocation=g\n0MenuLocation=a\n1MenuLocation=<p> b\n"
              "2MenuLocation=c\n3MenuLocation=d\n4MenuLocation=e\n0OperaHotlist=y\n"
              "1OperaHotlist=\n2OperaHotlist=\n3OperaHotlist=\n4OperaHotlist=\n"
              "FavLocation=/fav\n");
    {
        SettingsWriter writer(settings);
        SaveLocations(writer, FormId::BookmarkFile, {u"z"_s});
    }
    EXPECT_TRUE(storedFile().startsWith("[Settings]\n0NNLocation=z\n1NNLocation=\n2NNLocation=\n"
                                        "3NNLocation=\n4NNLocation=\n5NNLocation=f\n"));
}

} // namespace
} // namespace orvalink
