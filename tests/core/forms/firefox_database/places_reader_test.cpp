// SPDX-License-Identifier: GPL-3.0-or-later
// Firefox's bookmark database as a source: the tree Firefox itself holds, its newest changes
// while it runs, and the files that are refused.
#include "forms/firefox_database/places_snapshot.h"
#include "forms/form_table.h"
#include "forms/tree_listing.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

const QString kProfile = u"firefox-profile/home/.config/mozilla/firefox/2r0y743k.orvalink"_s;

const StorageForm& database()
{
    return formOf(FormId::FirefoxDatabase);
}

// A listed entry without the folder rows the command line numbers folders with.
QJsonValue withoutRows(const QJsonValue& value)
{
    QJsonObject object = value.toObject();
    object.remove(u"row"_s);
    if (object.contains(u"children"_s)) {
        QJsonArray children;
        for (const QJsonValue child : object[u"children"].toArray())
            children.append(withoutRows(child));
        object[u"children"_s] = children;
    }
    return object;
}

// The tree as the command line lists it in JSON.
QJsonObject loadedTree(const QString& location)
{
    Progress silent;
    auto loaded = database().load(location, 0, silent);
    EXPECT_TRUE(loaded.ok()) << (loaded.ok() ? QString() : loaded.failure().text()).toStdString();
    if (!loaded)
        return {};
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeTreeJson(*loaded.value(), out);
    return withoutRows(QJsonDocument::fromJson(out.data()).object()).toObject();
}

// A places.json entry as the tree listing shows it: the roots under the names Firefox shows,
// the toolbar and other bookmarks marked, the tags root and an empty mobile root left out,
// dates in seconds, keywords, and tags joined by commas.
QJsonValue expectedEntry(const QJsonObject& entry, bool isRoot)
{
    // Each root's name and the mark of its folder.
    static const QHash<QString, std::pair<QString, QString>> roots{
        {u"menu________"_s, {u"Bookmarks Menu"_s, QString()}},
        {u"toolbar_____"_s, {u"Bookmarks Toolbar"_s, u"toolbar"_s}},
        {u"unfiled_____"_s, {u"Other Bookmarks"_s, u"otherBookmarks"_s}},
        {u"mobile______"_s, {u"Mobile Bookmarks"_s, u"mobile"_s}}};
    const int type = entry[u"type"].toInt();
    if (type == 3)
        return QJsonObject{{u"separator"_s, true}};
    const auto [rootName, mark] = roots.value(entry[u"guid"].toString());
    QJsonObject shown{{u"title"_s, isRoot ? rootName : entry[u"title"].toString()},
                      {u"added"_s, entry[u"dateAdded"].toInteger() / 1'000'000},
                      {u"modified"_s, entry[u"lastModified"].toInteger() / 1'000'000}};
    if (type == 1) {
        shown[u"url"_s] = entry[u"url"];
        for (const QString& key : {u"keyword"_s, u"postData"_s}) {
            if (!entry[key].toString().isEmpty())
                shown[key] = entry[key];
        }
        QStringList tags;
        for (const QJsonValue tag : entry[u"tags"].toArray())
            tags << tag.toString();
        if (!tags.isEmpty())
            shown[u"tags"_s] = tags.join(u',');
        return shown;
    }
    if (type != 2)
        return QJsonValue::Undefined;
    if (!mark.isEmpty())
        shown[mark] = true;
    QJsonArray children;
    for (const QJsonValue child : entry[u"children"].toArray()) {
        const QJsonValue listed = expectedEntry(child.toObject(), false);
        if (!listed.isUndefined())
            children.append(listed);
    }
    shown[u"children"_s] = children;
    return shown;
}

TEST(FirefoxDatabase, ReadsTheTreeFirefoxHolds)
{
    const QJsonObject places =
        QJsonDocument::fromJson(test::readFixture(u"firefox-profile/places.json"_s)).object();
    QJsonArray roots;
    for (const QJsonValue root : places[u"children"].toArray()) {
        const QJsonObject object = root.toObject();
        if (object[u"guid"] != u"tags________"_s &&
            !(object[u"guid"] == u"mobile______"_s && object[u"children"].toArray().isEmpty()))
            roots.append(expectedEntry(object, true));
    }
    const QJsonObject expected{{u"title"_s, u"Firefox Bookmarks"_s}, {u"children"_s, roots}};

    // The profile folder stands for its places.sqlite.
    for (const QString& location :
         {test::fixturePath(kProfile), test::fixturePath(kProfile + u"/places.sqlite"_s)}) {
        EXPECT_EQ(loadedTree(location), expected);
        EXPECT_TRUE(database().recognise(location).ok());
    }
    Progress silent;
    const SourceCounts counts = database().count(test::fixturePath(kProfile), silent);
    EXPECT_EQ(counts.folders, 11);
    EXPECT_EQ(counts.links, 18);
}

bool containsTitle(const QJsonValue& entry, const QString& title)
{
    if (entry[u"title"] == title)
        return true;
    const QJsonArray children = entry[u"children"].toArray();
    return std::any_of(children.begin(), children.end(),
                       [&](const QJsonValue& child) { return containsTitle(child, title); });
}

// While Firefox runs, its database is locked and its newest bookmark only in the log; a
// database left with its log, in a folder nobody may write, reads the same.
TEST(FirefoxDatabase, ReadsTheNewestChangesOfALockedDatabaseAndOfAReadOnlyFolder)
{
    test::TempTree tree;
    const QString held = tree.mkdir(u"held"_s);
    QProcess holder;
    holder.start(QStringLiteral(ORVALINK_SOURCE_DIR "/tests/firefox/hold_places_wal.sh"),
                 {test::fixturePath(kProfile + u"/places.sqlite"_s), held});
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << holder.readAllStandardError().toStdString();
    ASSERT_EQ(holder.readLine().trimmed(), "ready");
    EXPECT_TRUE(containsTitle(loadedTree(held), u"Only in the WAL"_s));

    // Killed, it leaves the log behind as a crashed Firefox would.
    holder.kill();
    holder.waitForFinished();
    const QString readOnly = tree.mkdir(u"read-only"_s);
    if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"tmpfs"_s, readOnly}) != 0)
        GTEST_SKIP() << "mounting a tmpfs is refused here, so no read-only folder can be made";
    for (const QString& file : {u"places.sqlite"_s, u"places.sqlite-wal"_s})
        QFile::copy(held + u'/' + file, readOnly + u'/' + file);
    const bool remounted = QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,ro"_s, readOnly}) == 0;
    if (remounted) {
        EXPECT_TRUE(containsTitle(loadedTree(readOnly), u"Only in the WAL"_s));
    }
    QProcess::execute(u"umount"_s, {readOnly});
    ASSERT_TRUE(remounted);
}

// A database made with the given statements.
QString makeDatabase(const test::TempTree& tree, const QString& name, const char* sql)
{
    const QString path = tree.path(name);
    sqlite3* made = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &made);
    EXPECT_EQ(sqlite3_exec(made, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(made);
    return path;
}

TEST(FirefoxDatabase, RefusesWhatIsNoFirefoxDatabaseItCanRead)
{
    test::TempTree tree;
    const QByteArray places = test::readFixture(kProfile + u"/places.sqlite"_s);
    const struct
    {
        QString path;
        QString title;
    } cases[] = {
        {tree.write(u"bookmarks.html"_s, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"),
         u"Not a Firefox Bookmark Database"_s},
        {tree.write(u"empty.sqlite"_s, ""), u"Not a Firefox Bookmark Database"_s},
        {makeDatabase(tree, u"other.sqlite"_s, "CREATE TABLE moz_places (id, url);"),
         u"Not a Firefox Bookmark Database"_s},
        {makeDatabase(tree, u"future.sqlite"_s,
                      "CREATE TABLE moz_places (id, url); CREATE TABLE moz_keywords (keyword, "
                      "place_id, post_data); CREATE TABLE moz_bookmarks (id, type, fk, parent, "
                      "position, title, dateAdded, lastModified, uuid);"),
         u"Unknown Firefox Bookmark Database"_s},
        {tree.write(u"cut.sqlite"_s, places.first(places.size() / 8)),
         u"Unreadable Firefox Bookmark Database"_s},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.path.toStdString());
        const Result<void, UserMessage> recognised = database().recognise(refused.path);
        ASSERT_FALSE(recognised.ok());
        EXPECT_EQ(recognised.failure().title, refused.title);
        Progress silent;
        EXPECT_FALSE(database().load(refused.path, 0, silent).ok());
        EXPECT_EQ(database().count(refused.path, silent).links, 0);
    }
    // Only a database is Firefox's when a Firefox source is chosen.
    const StorageForm& bookmarkFile = formOf(FormId::BookmarkFile);
    EXPECT_EQ(&sourceFormAt(bookmarkFile, cases[0].path), &bookmarkFile);
    EXPECT_EQ(&sourceFormAt(bookmarkFile, test::fixturePath(kProfile)), &database());
}

} // namespace
} // namespace orvalink
