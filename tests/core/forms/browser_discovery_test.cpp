// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/browser_discovery.h"
#include "forms/form_table.h"
#include "platform/browser_folders.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

using test::u8;

// Discovery in a home folder of the test's own making.
class BrowserDiscoveryTest : public ::testing::Test
{
protected:
    QString bookmarks(const QString& profileFolder) const
    {
        return tree.write(profileFolder + u8("/bookmarks.html"), "<DL>\n");
    }

    // A profiles.ini listing one relative profile with a bookmark file; returns its entry.
    QString install(const QString& firefoxFolder, const QString& name) const
    {
        tree.write(firefoxFolder + u8("/profiles.ini"),
                   u8("[Profile0]\nName=%1\nIsRelative=1\nPath=p.%1\n").arg(name).toUtf8());
        return u8("<%1> ").arg(name) + bookmarks(firefoxFolder + u8("/p.") + name);
    }

    test::TempTree tree;
    test::ScopedEnvironment userHome{"HOME", tree.path(u8("home"))};
    test::ScopedEnvironment configHome{"XDG_CONFIG_HOME", tree.path(u8("xdg"))};
    QStringList entries{u8("(placeholder)")};
    const StorageForm& bookmarkFiles = formOf(FormId::BookmarkFile);
    const StorageForm& databases = formOf(FormId::FirefoxDatabase);
    const StorageForm& hotlists = formOf(FormId::Hotlist);
};

TEST_F(BrowserDiscoveryTest, ProfilesInSectionOrder)
{
    const QString work = bookmarks(u8("home/.mozilla/firefox/Profiles/abc.work"));
    const QString unnamed = bookmarks(u8("home/.mozilla/firefox/Profiles/def.default"));
    bookmarks(u8("home/.mozilla/firefox/Profiles/not.listed"));
    const QString absolute = bookmarks(u8("elsewhere"));
    tree.mkdir(u8("home/.mozilla/firefox/Profiles/ghi.empty"));
    tree.write(u8("home/.mozilla/firefox/profiles.ini"),
               u8("[General]\r\nStartWithLastProfile=1\r\n\r\n"
                  "[Profile1]\r\nName=work\r\nIsRelative=1\r\nPath=Profiles/abc.work\r\n\r\n"
                  "[Install4F96D1932A9F858E]\r\nDefault=Profiles/not.listed\r\n\r\n"
                  "[Profile0]\r\nisrelative=1\r\nPath=Profiles/def.default\r\nDefault=1\r\n\r\n"
                  "[Profile2]\r\nName=empty\r\nIsRelative=1\r\nPath=Profiles/ghi.empty\r\n\r\n"
                  "[profile3]\r\nName=Outside \xc3\xa9t\xc3\xa9\r\nIsRelative=0\r\nPath=%1\r\n")
                   .arg(tree.path(u8("elsewhere")))
                   .toUtf8());

    // The old default first (the installation's names no listed profile), then file order.
    EXPECT_EQ(bookmarkFiles.discover(entries), 3);
    const QStringList expected = {u8("(placeholder)"), u8("<NoName> ") + unnamed,
                                  u8("<work> ") + work, u8("<Outside été> ") + absolute};
    EXPECT_EQ(entries, expected);

    // A second search finds only what is listed already.
    EXPECT_EQ(bookmarkFiles.discover(entries), 0);
    EXPECT_EQ(entries, expected);
}

TEST_F(BrowserDiscoveryTest, EveryFirefoxInstallInTurn)
{
    EXPECT_EQ(bookmarkFiles.discover(entries), 0);
    EXPECT_EQ(entries.size(), 1);

    const QString classic = install(u8("home/.mozilla/firefox"), u8("classic"));
    const QString snap = install(u8("home/snap/firefox/common/.mozilla/firefox"), u8("snap"));
    const QString flatpak =
        install(u8("home/.var/app/org.mozilla.firefox/.mozilla/firefox"), u8("flatpak"));
    const QString flatpakXdg =
        install(u8("home/.var/app/org.mozilla.firefox/config/mozilla/firefox"), u8("flatpakXdg"));
    const QString config = install(u8("home/.config/mozilla/firefox"), u8("config"));
    const QString xdg = install(u8("xdg/mozilla/firefox"), u8("xdg"));
    EXPECT_EQ(bookmarkFiles.discover(entries), 5);
    EXPECT_EQ(entries, (QStringList{u8("(placeholder)"), classic, xdg, snap, flatpak, flatpakXdg}));

    // Without $XDG_CONFIG_HOME the folder below ~/.config is searched instead.
    qunsetenv("XDG_CONFIG_HOME");
    QStringList fresh{u8("(placeholder)")};
    EXPECT_EQ(bookmarkFiles.discover(fresh), 5);
    EXPECT_EQ(fresh,
              (QStringList{u8("(placeholder)"), classic, config, snap, flatpak, flatpakXdg}));
}

// The profile an installation uses comes first, as its [Install…] section (or installs.ini)
// names it; a registered profile whose folder is gone is passed over.
TEST_F(BrowserDiscoveryTest, DatabasesOfTheInstallationsProfileFirst)
{
    const QString folder = u8("xdg/mozilla/firefox/");
    const QString old = tree.write(folder + u8("old.default/places.sqlite"), "");
    const QString used = tree.write(folder + u8("new.default-esr/places.sqlite"), "");
    const QString absolute = tree.write(u8("elsewhere/places.sqlite"), "");
    const QString profiles = u8("[Profile0]\nName=old\nIsRelative=1\nPath=old.default\nDefault=1\n"
                                "[Profile1]\nName=gone\nIsRelative=1\nPath=gone.default\n"
                                "[Profile2]\nName=away\nIsRelative=0\nPath=%1\n"
                                "[Profile3]\nName=used\nIsRelative=1\nPath=new.default-esr\n"
                                "[BackgroundTasksProfiles]\nMozillaBackgroundTask-1-x=abc\n")
                                 .arg(tree.path(u8("elsewhere/")));
    for (const QString& install :
         {u8("[InstallAB12]\nDefault=new.default-esr\nLocked=1\n"), QString()}) {
        tree.write(folder + u8("profiles.ini"), (profiles + install).toUtf8());
        tree.write(folder + u8("installs.ini"),
                   install.isEmpty() ? "[AB12]\nDefault=new.default-esr\n" : "");
        QStringList found{u8("(placeholder)")};
        EXPECT_EQ(databases.discover(found), 3);
        EXPECT_EQ(found, (QStringList{u8("(placeholder)"), u8("<used> ") + used, u8("<old> ") + old,
                                      u8("<away> ") + absolute}));
    }
}

TEST_F(BrowserDiscoveryTest, OperaHotlistFromItsSettingsFile)
{
    EXPECT_EQ(hotlists.discover(entries), 0);

    const QString opera9 = tree.write(u8("home/.opera/opera6.adr"), "");
    tree.write(u8("home/.opera/opera6.ini"),
               u8("[User Prefs]\nHot List File Ver2=%1\n").arg(opera9).toUtf8());
    EXPECT_EQ(hotlists.discover(entries), 1);
    EXPECT_EQ(hotlists.discover(entries), 0);
    EXPECT_EQ(entries, (QStringList{u8("(placeholder)"), opera9}));

    // Opera 10 and later use operaprefs.ini and leave the old file behind.
    const QString opera10 = tree.write(u8("home/.opera/bookmarks.adr"), "");
    tree.write(
        u8("home/.opera/operaprefs.ini"),
        u8("[Version]\nFile=1\n[user prefs]\nhot list file ver2 = %1\n").arg(opera10).toUtf8());
    QStringList fresh{u8("(placeholder)")};
    EXPECT_EQ(hotlists.discover(fresh), 1);
    EXPECT_EQ(fresh, (QStringList{u8("(placeholder)"), opera10}));

    tree.write(u8("home/.opera/operaprefs.ini"), "[User Prefs]\nHot List File Ver2=/no/such.adr\n");
    EXPECT_EQ(hotlists.discover(entries), 0);
}

TEST(BrowserDiscoveryHelpersTest, ComboSearchAndOperaPerUserFolder)
{
    const QStringList entries = {u8("(placeholder)"), u8("<a> /x/bookmarks.html"), u8("/x/b.adr")};
    EXPECT_EQ(FindInCombo(entries, u8("/x/b.adr")), 2);
    EXPECT_EQ(FindInCombo(entries, u8("/X/B.adr")), -1);
    EXPECT_EQ(FindInCombo(entries, u8("/x/bookmarks.html")), -1);

    EXPECT_EQ(operaPerUserFolderName(u8("C:\\Program Files\\Opera")), u8("Opera"));
    EXPECT_EQ(operaPerUserFolderName(u8("C:\\Program Files\\Opera\\")), u8("Opera\\"));
    EXPECT_EQ(operaPerUserFolderName(u8("Opera")), u8("Opera\\"));
    EXPECT_EQ(operaPerUserFolderName(QString()), QString());
}

} // namespace
} // namespace orvalink
