#include "settings/csetting.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QFileInfo>
#include <grp.h>
#include <gtest/gtest.h>
#include <limits>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

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
    const QStringList values = {
        u8("a=b=c"),
        u8("; not a comment"),
        u8("\"quoted\""),
        u8("'single'"),
        u8("\"half"),
        u8("  padded  "),
        u8("Bücher & Büchereien – 日本語"),
        u8("<default> /home/u/.mozilla/firefox/x.default/bookmarks.html"),
        longValue,
        QString(),
    };
    for (int i = 0; i < values.size(); ++i)
        ASSERT_TRUE(writer.SaveSettingStr(u8("Texts"), u8("k%1").arg(i), values[i]));
    using Limits = std::numeric_limits<qint32>;
    const QList<qint32> numbers = {-1, 0, 40000, -40000, Limits::max(), Limits::min()};
    for (int i = 0; i < numbers.size(); ++i)
        ASSERT_TRUE(writer.SaveSettingInt(u8("Numbers"), u8("n%1").arg(i), numbers[i]));

    // A second store on the same file sees everything at once: nothing is cached.
    const CSetting reader = storeAt(QStringLiteral("Orvalink.ini"));
    for (int i = 0; i < values.size(); ++i) {
        const Result<QString> read = reader.GetSettingStr(u8("Texts"), u8("k%1").arg(i), u8("-"));
        ASSERT_TRUE(read);
        EXPECT_EQ(read.value(), values[i]) << i;
    }
    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(reader.GetSettingInt(u8("Numbers"), u8("n%1").arg(i), 7).value(), numbers[i]);
    EXPECT_TRUE(tree.read(QStringLiteral("Orvalink.ini")).contains("n0=-1\n"));

    // Replacing keeps one key, in place.
    ASSERT_TRUE(writer.SaveSettingStr(u8("texts"), u8("K0"), u8("new")));
    const auto all = reader.GetSettingAll(u8("Texts")).value();
    ASSERT_EQ(all.size(), values.size());
    EXPECT_EQ(all[0].key, u8("k0"));
    EXPECT_EQ(all[0].value, u8("new"));
    EXPECT_EQ(all[8].value, longValue);
    EXPECT_EQ(reader.GetSectionNames().value(), QStringList({u8("Texts"), u8("Numbers")}));
}

TEST_F(CSettingTest, ReadsFilesAsTheWindowsProfileFunctionsDo)
{
    tree.write(QStringLiteral("profiles.ini"), "[General]\n"
                                               "StartWithLastProfile=1\n"
                                               "\n"
                                               "[Profile0]\n"
                                               "Name = default \n"
                                               "IsRelative=1\n"
                                               "Path=\"Profiles/x.default\"\n"
                                               "Note='it''s'\n"
                                               "Empty=\n"
                                               "name=second\n"
                                               "[profile0]\n"
                                               "Extra=hidden\n"
                                               "[Caf\xe9]\n"
                                               "Ville=Montr\xe9"
                                               "al\n"
                                               "[Leer]\n");
    const CSetting store = storeAt(QStringLiteral("profiles.ini"));
    EXPECT_EQ(store.GetSettingStr(u8("PROFILE0"), u8("name")).value(), u8("default"));
    EXPECT_EQ(store.GetSettingInt(u8("profile0"), u8("isRelative"), 0).value(), 1);
    EXPECT_EQ(store.GetSettingStr(u8("Profile0"), u8("Path")).value(), u8("Profiles/x.default"));
    EXPECT_EQ(store.GetSettingStr(u8("Profile0"), u8("Note")).value(), u8("it''s"));
    EXPECT_EQ(store.GetSettingStr(u8("Profile0"), u8("Empty"), u8("dflt")).value(), QString());
    EXPECT_EQ(store.GetSettingStr(u8("Profile0"), u8("Extra"), u8("dflt")).value(), u8("dflt"));
    EXPECT_EQ(store.GetSettingStr(u8("Nowhere"), u8("Name"), u8("dflt")).value(), u8("dflt"));
    EXPECT_EQ(store.GetSettingStr(u8("café"), u8("Ville")).value(), u8("Montréal"));

    const QList<SettingEntry> profile = store.GetSettingAll(u8("Profile0")).value();
    QStringList keys;
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
    tree.write(QStringLiteral("n.ini"), "[S]\n"
                                        "mixed=12abc\n"
                                        "text=abc\n"
                                        "negative=-7px\n"
                                        "minus=-\n"
                                        "empty=\n"
                                        "quoted=\"15\"\n"
                                        "lowest=-2147483648\n"
                                        "tooBig=2147483648\n"
                                        "huge=99999999999999999999999\n");
    const CSetting store = storeAt(QStringLiteral("n.ini"));
    const auto read = [&](const char* key) { return store.GetSettingInt(u8("S"), u8(key), 9); };
    EXPECT_EQ(read("mixed").value(), 12);
    EXPECT_EQ(read("text").value(), 0);
    EXPECT_EQ(read("negative").value(), -7);
    EXPECT_EQ(read("minus").value(), 0);
    EXPECT_EQ(read("empty").value(), 9);
    EXPECT_EQ(read("missing").value(), 9);
    EXPECT_EQ(read("quoted").value(), 15);
    EXPECT_EQ(read("lowest").value(), std::numeric_limits<qint32>::min());
    for (const char* key : {"tooBig", "huge"}) {
        const Result<qint32> overflow = read(key);
        ASSERT_FALSE(overflow) << key;
        EXPECT_EQ(overflow.failure().code, -2147220989);
        EXPECT_EQ(overflow.failure().source, u8("CSetting.GetSettingInt"));
        EXPECT_EQ(overflow.error(), u8("Error reading Setting (6, Overflow)"));
    }
}

TEST_F(CSettingTest, WritesKeepEveryOtherLineByteForByte)
{
    const QByteArray original = "\xEF\xBB\xBF; Orvalink options\r\n"
                                "\r\n"
                                "[Position]\r\n"
                                "  MainLeft = 120   \r\n"
                                "MainTop=80\r\n"
                                "; kept: Caf\xe9 in Windows-1252\r\n"
                                "\r\n"
                                "[Unknown Plugin]\r\n"
                                "weird line without equals\r\n"
                                "Key=Value\r\n"
                                "\r\n"
                                "[Settings]\r\n"
                                "Backup=1";
    tree.write(QStringLiteral("Orvalink.ini"), original);
    CSetting store = storeAt(QStringLiteral("Orvalink.ini"));

    ASSERT_TRUE(store.SaveSettingInt(u8("position"), u8("mainleft"), 640));
    ASSERT_TRUE(store.SaveSettingInt(u8("Position"), u8("SecLeft"), 10));
    ASSERT_TRUE(store.SaveSettingStr(u8("Settings"), u8("PageTitle"), u8("Lesezeichen ü")));
    ASSERT_TRUE(store.SaveSettingStr(u8("History"), u8("0NNLocation"), u8("/tmp/b.html")));
    EXPECT_EQ(tree.read(QStringLiteral("Orvalink.ini")),
              QByteArray("\xEF\xBB\xBF; Orvalink options\r\n"
                         "\r\n"
                         "[Position]\r\n"
                         "  MainLeft = 640\r\n"
                         "MainTop=80\r\n"
                         "SecLeft=10\r\n"
                         "; kept: Caf\xe9 in Windows-1252\r\n"
                         "\r\n"
                         "[Unknown Plugin]\r\n"
                         "weird line without equals\r\n"
                         "Key=Value\r\n"
                         "\r\n"
                         "[Settings]\r\n"
                         "Backup=1\r\n"
                         "PageTitle=Lesezeichen \xc3\xbc\r\n"
                         "\r\n"
                         "[History]\r\n"
                         "0NNLocation=/tmp/b.html\r\n"));

    ASSERT_TRUE(store.DeleteKey(u8("POSITION"), u8("maintop")));
    ASSERT_TRUE(store.DeleteKey(u8("Unknown Plugin"), QString()));
    ASSERT_TRUE(store.DeleteKey(u8("Nowhere"), u8("Nothing")));
    EXPECT_EQ(tree.read(QStringLiteral("Orvalink.ini")),
              QByteArray("\xEF\xBB\xBF; Orvalink options\r\n"
                         "\r\n"
                         "[Position]\r\n"
                         "  MainLeft = 640\r\n"
                         "SecLeft=10\r\n"
                         "; kept: Caf\xe9 in Windows-1252\r\n"
                         "\r\n"
                         "\r\n"
                         "[Settings]\r\n"
                         "Backup=1\r\n"
                         "PageTitle=Lesezeichen \xc3\xbc\r\n"
                         "\r\n"
                         "[History]\r\n"
                         "0NNLocation=/tmp/b.html\r\n"));
    EXPECT_EQ(store.GetSettingStr(u8("Unknown Plugin"), u8("Key"), u8("gone")).value(), u8("gone"));
}

TEST_F(CSettingTest, RefusesWhatWouldChangeTheFilesStructure)
{
    tree.write(QStringLiteral("a.ini"), "[S]\nk=v\n");
    CSetting store = storeAt(QStringLiteral("a.ini"));
    const Result<void> injected = store.SaveSettingStr(u8("S"), u8("k"), u8("x\n[Evil]\nk=1"));
    ASSERT_FALSE(injected);
    EXPECT_EQ(injected.failure().code, CSetting::WritingError);
    EXPECT_EQ(injected.failure().source, u8("CSetting.SaveSettingStr"));
    EXPECT_TRUE(injected.error().startsWith(u8("Error writing Setting (5, ")));
    EXPECT_FALSE(store.SaveSettingStr(u8("S"), u8("a=b"), u8("v")));
    EXPECT_FALSE(store.SaveSettingInt(QString(), u8("k"), 1));
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
    EXPECT_EQ(written.failure().source, u8("CSetting.SaveSettingInt"));
    EXPECT_EQ(written.error(), u8("Error writing Setting (70, Permission denied)"));

    const Result<void> deleted = store.DeleteKey(u8("S"), u8("k"));
    ASSERT_FALSE(deleted);
    EXPECT_EQ(deleted.failure().code, CSetting::DeletingError);
    EXPECT_EQ(deleted.failure().source, u8("CSetting.DeleteKey"));
    EXPECT_EQ(deleted.error(),
              u8("Error Deleting Key (-2147220987, Error Deleting Key (check if file is "
                 "protected))"));

    EXPECT_EQ(store.GetSettingStr(u8("S"), u8("k")).value(), u8("old"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// Runs body in a child process as user nobody when this process is root (root ignores
// permissions) and returns the child's exit status.
template <typename Body> int runUnprivileged(Body body)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0) {
                _exit(90);
            }
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

    const int status = runUnprivileged([&] {
        CSetting store;
        store.Init(path);
        // Reading works, so a failure below is the refused write and nothing else.
        if (store.GetSettingStr(u8("S"), u8("k")).valueOr(QString()) != u8("old"))
            return 2;
        const Result<void> result = store.SaveSettingStr(u8("S"), u8("k"), u8("new"));
        if (result || result.failure().code != CSetting::WritingError)
            return 3;
        return 0;
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
