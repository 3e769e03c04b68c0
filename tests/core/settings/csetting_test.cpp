// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/csetting.h"
#include "tests/core/forms/writer_test_support.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <limits>

namespace orvalink {
namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

class CSettingTest : public ::testing::Test
{
protected:
    CSetting storeAt(const QString& relative) const
    {
        CSetting store;
        store.Init(tree.path(relative));
        return store;
    }

    test::TempTree tree;
};

TEST_F(CSettingTest, ValuesSurviveARoundTrip)
{
    CSetting writer = storeAt(QStringLiteral("Orvalink.ini"));
    const QString longValue = QString(5000, u'x') + u8("ü");
    // The last but one value is empty.
    const QStringList values = u8("a=b=c|; not a comment|\"quoted\"|'single'|\"half|  padded  "
                                  "|Bücher & Büchereien – 日本語|"
                                  "<default> /home/u/.mozilla/firefox/x.default/bookmarks.html|")
                                   .split(u'|') +
                               QStringList{longValue};
    for (int i = 0; i < values.size(); ++i)
        ASSERT_TRUE(writer.SaveSettingStr(u8("Texts"), u8("k%1").arg(i), values[i]));
    using Limits = std::numeric_limits<qint32>;
    const QList<qint32> numbers = {-1, 0, 40000, -40000, Limits::max(), Limits::min()};
    for (int i = 0; i < numbers.size(); ++i)
        ASSERT_TRUE(writer.SaveSettingInt(u8("Numbers"), u8("n%1").arg(i), numbers[i]));

    // A second store on the same file sees everything at once: nothing is cached.
    const CSetting reader = storeAt(QStringLiteral("Orvalink.ini"));
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(reader.GetSettingStr(u8("Texts"), u8("k%1").arg(i), u8("-")).value(), values[i])
            << i;
    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(reader.GetSettingInt(u8("Numbers"), u8("n%1").arg(i), 7).value(), numbers[i]);
    EXPECT_TRUE(tree.read(QStringLiteral("Orvalink.ini")).contains("n0=-1\n"));

    // Replacing keeps one key, in place.
    ASSERT_TRUE(writer.SaveSettingStr(u8("texts"), u8("K0"), u8("new")));
    const auto all = reader.GetSettingAll(u8("Texts")).value();
    ASSERT_EQ(all.size(), values.size());
    EXPECT_EQ(all[0].key + all[0].value, u8("k0new"));
    EXPECT_EQ(all.back().value, longValue);
    EXPECT_EQ(reader.GetSectionNames().value(), QStringList({u8("Texts"), u8("Numbers")}));
}

TEST_F(CSettingTest, ReadsFilesAsTheWindowsProfileFunctionsDo)
{
    tree.write(QStringLiteral("profiles.ini"),
               "[General]\nStartWithLastProfile=1\n\n"
               "[Profile0]\nName = default \nIsRelative=1\nPath=\"Profiles/x.default\"\n"
               "Note='it''s'\nEmpty=\nname=second\n"
               "[profile0]\nExtra=hidden\n"
               "[Caf\xe9]\nVille=Montr\xe9"
               "al\n"
               "[Leer]\n");
    const CSetting store = storeAt(QStringLiteral("profiles.ini"));
    // Sections and keys without regard to case, the first of each; one pair of quotes goes.
    const char* const reads[][4] = {
        {"PROFILE0", "name", "", "default"},   {"Profile0", "Path", "", "Profiles/x.default"},
        {"Profile0", "Note", "", "it''s"},     {"Profile0", "Empty", "dflt", ""},
        {"Profile0", "Extra", "dflt", "dflt"}, {"Nowhere", "Name", "dflt", "dflt"},
        {"café", "Ville", "", "Montréal"},
    };
    for (const auto& [section, key, fallback, expected] : reads)
        EXPECT_EQ(store.GetSettingStr(u8(section), u8(key), u8(fallback)).value(), u8(expected))
            << section << '/' << key;
    EXPECT_EQ(store.GetSettingInt(u8("profile0"), u8("isRelative"), 0).value(), 1);

    QStringList keys;
    const QList<SettingEntry> profile = store.GetSettingAll(u8("Profile0")).value();
    for (const SettingEntry& entry : profile)
        keys.append(entry.key);
    EXPECT_EQ(keys,
              QStringList({u8("Name"), u8("IsRelative"), u8("Path"), u8("Note"), u8("Empty")}));
    EXPECT_EQ(store.GetSectionNames().value(),
              QStringList({u8("General"), u8("Profile0"), u8("Café"), u8("Leer")}));
    EXPECT_TRUE(store.GetSettingAll(u8("Leer")).value().isEmpty());
    EXPECT_TRUE(store.GetSettingAll(u8("Missing")).value().isEmpty());

    const CSetting none = storeAt(QStringLiteral("missing.ini"));
    EXPECT_EQ(none.GetSettingInt(u8("A"), u8("B"), 42).value(), 42);
    EXPECT_TRUE(none.GetSectionNames().value().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(none.iniPath()));
}

TEST_F(CSettingTest, IntegersTakeTheLeadingNumberAndReportOverflow)
{
    // An empty value is no value: the default.
    const qint32 lowest = std::numeric_limits<qint32>::min();
    const std::pair<const char*, qint32> cases[] = {
        {"12abc", 12},           {"abc", 0}, {"-7px", -7}, {"-", 0}, {"", 9}, {"\"15\"", 15},
        {"-2147483648", lowest},
    };
    QByteArray ini = "[S]\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        ini += "k" + QByteArray::number(qulonglong(i)) + '=' + cases[i].first + '\n';
    tree.write(QStringLiteral("n.ini"), ini + "tooBig=2147483648\nhuge=99999999999999999999999\n");
    const CSetting store = storeAt(QStringLiteral("n.ini"));
    const auto read = [&](const QString& key) { return store.GetSettingInt(u8("S"), key, 9); };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(read(u8("k%1").arg(i)).value(), cases[i].second) << cases[i].first;
    EXPECT_EQ(read(u8("missing")).value(), 9);
    for (const char* key : {"tooBig", "huge"}) {
        const Result<qint32> overflow = read(u8(key));
        ASSERT_FALSE(overflow) << key;
        EXPECT_EQ(overflow.failure().code, -2147220989);
        EXPECT_EQ(overflow.error(), u8("Error reading Setting (6, Overflow)"));
    }
}

TEST_F(CSettingTest, WritesKeepEveryOtherLineByteForByte)
{
    tree.write(QStringLiteral("Orvalink.ini"), "\xEF\xBB\xBF; Orvalink options\r\n\r\n"
                                               "[Position]\r\n  MainLeft = 120   \r\nMainTop=80\r\n"
                                               "; kept: Caf\xe9 in Windows-1252\r\n\r\n"
                                               "[Unknown Plugin]\r\nweird line without equals\r\n"
                                               "Key=Value\r\n\r\n"
                                               "[Settings]\r\nBackup=1");
    CSetting store = storeAt(QStringLiteral("Orvalink.ini"));
    ASSERT_TRUE(store.SaveSettingInt(u8("position"), u8("mainleft"), 640));
    ASSERT_TRUE(store.SaveSettingInt(u8("Position"), u8("SecLeft"), 10));
    ASSERT_TRUE(store.SaveSettingStr(u8("Settings"), u8("PageTitle"), u8("Lesezeichen ü")));
    ASSERT_TRUE(store.SaveSettingStr(u8("History"), u8("0NNLocation"), u8("/tmp/b.html")));
    QByteArray expected = "\xEF\xBB\xBF; Orvalink options\r\n\r\n"
                          "[Position]\r\n  MainLeft = 640\r\nMainTop=80\r\nSecLeft=10\r\n"
                          "; kept: Caf\xe9 in Windows-1252\r\n\r\n"
                          "[Unknown Plugin]\r\nweird line without equals\r\nKey=Value\r\n\r\n"
                          "[Settings]\r\nBackup=1\r\nPageTitle=Lesezeichen \xc3\xbc\r\n\r\n"
                          "[History]\r\n0NNLocation=/tmp/b.html\r\n";
    EXPECT_EQ(tree.read(QStringLiteral("Orvalink.ini")), expected);

    // Deleting a key or a whole section takes its lines and nothing else.
    ASSERT_TRUE(store.DeleteKey(u8("POSITION"), u8("maintop")));
    ASSERT_TRUE(store.DeleteKey(u8("Unknown Plugin"), QString()));
    ASSERT_TRUE(store.DeleteKey(u8("Nowhere"), u8("Nothing")));
    expected.replace("MainTop=80\r\n", "")
        .replace("[Unknown Plugin]\r\nweird line without equals\r\nKey=Value\r\n", "");
    EXPECT_EQ(tree.read(QStringLiteral("Orvalink.ini")), expected);
    EXPECT_EQ(store.GetSettingStr(u8("Unknown Plugin"), u8("Key"), u8("gone")).value(), u8("gone"));
}

TEST_F(CSettingTest, RefusesWhatTheFileCannotHold)
{
    tree.write(QStringLiteral("a.ini"), "[S]\nk=v\n");
    CSetting store = storeAt(QStringLiteral("a.ini"));
    const Result<void> injected = store.SaveSettingStr(u8("S"), u8("k"), u8("x\n[Evil]\nk=1"));
    ASSERT_FALSE(injected);
    EXPECT_EQ(injected.failure().code, CSetting::WritingError);
    EXPECT_TRUE(injected.error().startsWith(u8("Error writing Setting (5, ")));
    EXPECT_FALSE(store.SaveSettingStr(u8("S"), u8("a=b"), u8("v")));
    EXPECT_FALSE(store.SaveSettingInt(QString(), u8("k"), 1));
    // A lone surrogate has no UTF-8 form: it would come back as U+FFFD.
    EXPECT_FALSE(store.SaveSettingStr(u8("S"), u8("k"), QString(QChar(0xD800)) + u8("x")));
    EXPECT_FALSE(store.SaveSettingStr(QString(QChar(0xDC00)), u8("k"), u8("v")));
    EXPECT_EQ(tree.read(QStringLiteral("a.ini")), QByteArray("[S]\nk=v\n"));
}

TEST_F(CSettingTest, ProtectedFileIsReportedAndLeftAlone)
{
    const QString path = tree.write(QStringLiteral("Orvalink.ini"), "[S]\nk=old\n");
    // Without write permission the file counts as protected even for root.
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    CSetting store = storeAt(QStringLiteral("Orvalink.ini"));

    const Result<void> written = store.SaveSettingInt(u8("S"), u8("k"), 5);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().code, CSetting::WritingError);
    EXPECT_EQ(written.error(), u8("Error writing Setting (70, Permission denied)"));

    const Result<void> deleted = store.DeleteKey(u8("S"), u8("k"));
    ASSERT_FALSE(deleted);
    EXPECT_EQ(deleted.failure().code, CSetting::DeletingError);
    EXPECT_EQ(deleted.error(),
              u8("Error Deleting Key (-2147220987, Error Deleting Key (check if file is "
                 "protected))"));

    EXPECT_EQ(store.GetSettingStr(u8("S"), u8("k")).value(), u8("old"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(CSettingTest, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const auto all = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther |
                     QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(tree.path(), all | QFileDevice::WriteOwner));
    const QString path = tree.write(QStringLiteral("locked/Orvalink.ini"), "[S]\r\nk=old\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(tree.path(QStringLiteral("locked")), all));

    // Root ignores permissions, so its child gives root up first.
    const int status = test::inChild([&] {
        if (!test::unprivileged())
            return 90;
        CSetting store;
        store.Init(path);
        // Reading works, so a failure below is the refused write and nothing else.
        if (store.GetSettingStr(u8("S"), u8("k")).valueOr(QString()) != u8("old"))
            return 2;
        const Result<void> result = store.SaveSettingStr(u8("S"), u8("k"), u8("new"));
        return !result && result.failure().code == CSetting::WritingError ? 0 : 3;
    });
    EXPECT_EQ(status, 0);
    QFile::setPermissions(tree.path(QStringLiteral("locked")), all | QFileDevice::WriteOwner);
    EXPECT_EQ(tree.read(QStringLiteral("locked/Orvalink.ini")), QByteArray("[S]\r\nk=old\r\n"));
}

TEST_F(CSettingTest, StoreNamesChooseTheOptionsFolderOrAFullPath)
{
    // Portable, so that the options folder is the program's (the other case is the options
    // folder's own test).
    const QString program = tree.mkdir(QStringLiteral("program"));
    tree.write(QStringLiteral("program/Orvalink.ini"), "");
    CSetting store;
    store.Init(QString(), program);
    EXPECT_EQ(store.iniPath(), program + u8("/Orvalink.ini"));
    store.Init(u8(" ColorPreset "), program);
    EXPECT_EQ(store.iniPath(), program + u8("/ColorPreset.ini"));

    // A name with a separator is a complete path, without ".ini" added; its folder appears with
    // the first write.
    store.Init(tree.path(QStringLiteral("new/opera/opera6")), program);
    EXPECT_EQ(store.iniPath(), tree.path(QStringLiteral("new/opera/opera6")));
    ASSERT_TRUE(store.SaveSettingInt(u8("User Prefs"), u8("Version"), 6));
    EXPECT_EQ(tree.read(QStringLiteral("new/opera/opera6")),
              QByteArray("[User Prefs]\nVersion=6\n"));
}

} // namespace
} // namespace orvalink
