// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_bookmarks.h"
#include "forms/chromium/chromium_form.h"
#include "forms/chromium/chromium_profiles.h"
#include "forms/chromium/chromium_writer.h"
#include "platform/profile_lock.h"
#include "tests/support/fixture_cases.h"
#include "tests/support/listing_fields.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orvalink {
namespace {

using test::u8;

const QString kFixture = u8("chromium-profile/Default/Bookmarks");

// The checksum of every node of a read file, as the browser verifies it.
QByteArray checksumOf(const ChromiumBookmarks& file)
{
    ChromiumChecksum checksum;
    for (int root = 0; root < kChromiumRootCount; ++root)
        checksum.addNodes(file.nodes, file.roots[size_t(root)], file.rootEnd(ChromiumRoot(root)));
    return checksum.hex();
}

std::unique_ptr<BookmarkModel> load(const QString& path)
{
    Progress silent;
    auto loaded = ChromiumForm().load(path, 0, silent);
    EXPECT_TRUE(loaded.ok());
    return loaded ? std::move(loaded.value()) : nullptr;
}

TEST(ChromiumBookmarks, ChecksumIsTheOneChromiumWrote)
{
    const QByteArray text = test::readFixture(kFixture);
    const std::optional<ChromiumBookmarks> file = readChromiumBookmarks(text);
    ASSERT_TRUE(file);
    const QJsonObject json = QJsonDocument::fromJson(text).object();
    EXPECT_EQ(checksumOf(*file), json.value(u8("checksum")).toString().toUtf8());
    EXPECT_EQ(file->highestId, 19);
}

TEST(ChromiumBookmarks, RecognisesOnlyBookmarksFiles)
{
    const struct
    {
        QByteArray text;
        bool recognised;
    } cases[] = {
        {test::readFixture(kFixture), true},
        {"\xEF\xBB\xBF{\"version\":1,\"roots\":{\"synced\":{},\"other\":{},\"bookmark_bar\":{}}}",
         true},
        {"{\"version\":1,\"roots\":{\"other\":{},\"bookmark_bar\":{}}}", false},
        {"{\"roots\":{\"synced\":{},\"other\":{},\"bookmark_bar\":{}}}", false},
        {"{\"version\":1,\"roots\":{\"synced\":{},\"other\":{},\"bookmark_bar\":{}}", false},
        {"{\"version\":1,\"roots\":{\"synced\":{},\"other\":{},\"bookmark_bar\":{}}} x", false},
        {"[1, 2]", false},
        {"<DL><p>", false},
        {QByteArray(200000, '['), false},
        {"{\"version\":1,\"x\":" + QByteArray(200000, '[') + QByteArray(200000, ']') +
             ",\"roots\":{\"synced\":{},\"other\":{},\"bookmark_bar\":{}}}",
         true},
        // Of the form, but of a shape the reader cannot follow: a source without bookmarks.
        {"{\"version\":1,\"roots\":{\"synced\":{},\"other\":5,\"bookmark_bar\":{}}}", true},
    };
    test::TempTree tree;
    Progress silent;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(80).constData());
        EXPECT_EQ(isChromiumContent(c.text), c.recognised);
        // A load reads the file without checking it first, and must refuse and take alike.
        const auto loaded = ChromiumForm().load(tree.write(u8("Bookmarks"), c.text), 0, silent);
        ASSERT_EQ(loaded.ok(), c.recognised);
        if (!loaded) {
            EXPECT_EQ(loaded.failure().title, u8("Not a Chromium Bookmark File"));
            // Nor is anything merged into it.
            const Result<void, UserMessage> merge =
                CanMergeIntoChromiumBookmarks(tree.path(u8("Bookmarks")));
            ASSERT_FALSE(merge.ok());
            EXPECT_EQ(merge.failure().title, u8("Not a Chromium Bookmark File"));
        }
    }
}

TEST(ChromiumBookmarks, ReadsTheTreeAsTheBrowserShowsIt)
{
    // Root names come from the browser, not the file; unusable nodes are dropped.
    const QByteArray text = R"({"version": 1, "roots": {
        "bookmark_bar": {"name": "Barre", "type": "folder", "id": "1", "children": [
            {"children": [{"type": "url", "name": "A\u00e9\ud83c\udf89\"", "url": "https://a/",
                           "id": "6"}],
             "type": "folder", "name": "F", "id": "5"},
            {"type": "url", "name": "no address", "id": "7"},
            {"type": "weird", "name": "W", "id": "8",
             "children": [{"type": "url", "name": "under weird", "url": "https://w/"}]}]},
        "other": {"children": [], "type": "folder", "id": "2"},
        "synced": {"children": [], "type": "folder", "id": "3"}}})";
    test::TempTree tree;
    const auto model = load(tree.write(u8("Bookmarks"), text));
    ASSERT_TRUE(model);
    // The tree's names and addresses, without the dates and roles after them.
    EXPECT_EQ(test::withoutFields(QString::fromUtf8(test::listing(*model))),
              u8("[0] Bookmarks\n  [1] Bookmarks bar\n    [2] F\n"
                 "      Aé🎉\" <https://a/>\n  [3] Other bookmarks\n"
                 "  [4] Mobile bookmarks\n"));
    EXPECT_EQ(model->folder(1).Role, FolderRole::Toolbar);
    EXPECT_EQ(model->folder(4).Role, FolderRole::Mobile);
}

// What Chromium checks of every node written, new or merged (unique ids, guids, the checksum),
// is Chromium's own judgement (tests/chromium).
class ChromiumWriterTest : public ::testing::Test
{
protected:
    // Writes the fixture's tree to path, new or merged.
    void write(const QString& path, FileExportOptions options)
    {
        const auto model = load(test::fixturePath(kFixture));
        Progress silent;
        EXPECT_TRUE(WriteChromiumBookmarks(*model, path, options, silent).ok());
        written = tree.read(QFileInfo(path).fileName());
    }

    test::TempTree tree;
    QByteArray written;
};

TEST_F(ChromiumWriterTest, NewFileReadsBackTheSameTree)
{
    const QString path = tree.path(u8("Bookmarks"));
    FileExportOptions options;
    options.keepOrder = true;
    write(path, options);
    // Each permanent folder of the source gives its entries and dates to the same one here.
    EXPECT_EQ(test::listing(*load(path)), test::listing(*load(test::fixturePath(kFixture))));
    EXPECT_TRUE(written.contains(R"("name": "\u003Cb>Bold\u003C/b> & \"double\" 'single'")"));
}

TEST_F(ChromiumWriterTest, MergeKeepsTheOldFileAndDropsItsStaleSha256)
{
    QByteArray old = test::readFixture(kFixture);
    old.replace("{\n   \"checksum\"", "{\n   \"checksum_sha256\": \"stale\",\n   \"checksum\"");
    old.replace("\"version\": 1", "\"sync_metadata\": \"c3luYw==\",\n   \"version\": 1");
    const QString path = tree.write(u8("Bookmarks"), old);
    FileExportOptions options;
    options.merge = true;
    options.intoNewFolder = true;
    options.newFolderName = u8("Imported");
    write(path, options);
    const QJsonObject before = QJsonDocument::fromJson(old).object();
    const QJsonObject after = QJsonDocument::fromJson(written).object();
    EXPECT_FALSE(after.contains(u8("checksum_sha256")));
    EXPECT_EQ(after.value(u8("sync_metadata")), before.value(u8("sync_metadata")));
    // That every old node stays as it was is Chromium's judgement too.
    const QJsonArray other = after.value(u8("roots"))
                                 .toObject()
                                 .value(u8("other"))
                                 .toObject()
                                 .value(u8("children"))
                                 .toArray();
    const QJsonObject imported = other.last().toObject();
    EXPECT_EQ(imported.value(u8("name")).toString(), u8("Imported"));
    EXPECT_EQ(imported.value(u8("id")).toString(), u8("20"));
    // Old bytes stay: the merge changes the checksum and adds, nothing else.
    EXPECT_TRUE(written.startsWith("{\n   \n   \"checksum\"") ||
                written.startsWith("{\n   \"checksum\""));
}

TEST(ChromiumRunning, ProfileLockAndProcesses)
{
    test::TempTree tree;
    test::ScopedEnvironment home{"HOME", tree.path(u8("home"))};
    test::ScopedEnvironment xdg{"XDG_CONFIG_HOME", QString()};
    test::ScopedEnvironment chromeHome{"CHROME_CONFIG_HOME", QString()};
    const QString chrome = tree.write(u8("home/.config/google-chrome/Default/Bookmarks"), "{}");
    const QString elsewhere = tree.write(u8("data/Profile 1/Bookmarks"), "{}");
    const QString host = QSysInfo::machineHostName();
    const ListedProcessTable none({});
    const ListedProcessTable chromeRuns({u8("bash"), u8("chrome")});

    EXPECT_EQ(chromiumBrowserUsing(chrome, chromeRuns), u8("Google Chrome"));
    EXPECT_EQ(chromiumBrowserUsing(chrome, none), std::nullopt);
    // A browser's process says nothing of a file outside its folders.
    EXPECT_EQ(chromiumBrowserUsing(elsewhere, chromeRuns), std::nullopt);

    const QString lock = tree.path(u8("data/SingletonLock"));
    const struct
    {
        QString target;
        ProfileLock state;
    } locks[] = {
        {host + u8("-") + QString::number(::getpid()), ProfileLock::Held},
        // Process numbers this high are never given out.
        {host + u8("-999999999"), ProfileLock::Stale},
        {u8("another-machine-12"), ProfileLock::Held},
    };
    for (const auto& c : locks) {
        QFile::remove(lock);
        ASSERT_TRUE(QFile::link(c.target, lock));
        EXPECT_EQ(profileLockOf(tree.path(u8("data"))), c.state) << c.target.toStdString();
        EXPECT_EQ(chromiumBrowserUsing(elsewhere, none).has_value(), c.state == ProfileLock::Held);
    }
    // In a flatpak the process number is the sandbox's: the lock is taken at its word.
    EXPECT_EQ(profileLockOf(tree.path(u8("data")), true), ProfileLock::Held);
}

TEST(ChromiumDiscovery, ProfilesOfEveryBrowserAndLayout)
{
    test::TempTree tree;
    test::ScopedEnvironment home{"HOME", tree.path(u8("home"))};
    test::ScopedEnvironment xdg{"XDG_CONFIG_HOME", tree.path(u8("xdg"))};
    test::ScopedEnvironment chromeHome{"CHROME_CONFIG_HOME", QString()};
    const QByteArray localState = R"({"profile": {"info_cache": {
        "Default": {"name": "Person 1"}, "Profile 2": {"name": "Work"},
        "Profile 3": {"name": "No bookmarks"}}}})";
    tree.write(u8("xdg/chromium/Local State"), localState);
    const QString person = tree.write(u8("xdg/chromium/Default/Bookmarks"), "{}");
    const QString work = tree.write(u8("xdg/chromium/Profile 2/Bookmarks"), "{}");
    tree.mkdir(u8("xdg/chromium/Profile 3"));
    // No Local State: the Default profile.
    const QString brave = tree.write(u8("xdg/BraveSoftware/Brave-Browser/Default/Bookmarks"), "{}");
    const QString opera = tree.write(u8("xdg/opera/Bookmarks"), "{}");
    const QString snap =
        tree.write(u8("home/snap/chromium/common/chromium/Default/Bookmarks"), "{}");
    const QString flatpak = tree.write(
        u8("home/.var/app/com.google.Chrome/config/google-chrome/Default/Bookmarks"), "{}");

    QStringList entries{u8("(placeholder)")};
    EXPECT_EQ(ChromiumForm().discover(entries), 6);
    EXPECT_EQ(entries,
              (QStringList{u8("(placeholder)"), u8("<Chromium: Person 1> ") + person,
                           u8("<Chromium: Work> ") + work, u8("<Brave: Default> ") + brave,
                           u8("<Opera: Default> ") + opera, u8("<Chromium: Default> ") + snap,
                           u8("<Google Chrome: Default> ") + flatpak}));
}

} // namespace
} // namespace orvalink
