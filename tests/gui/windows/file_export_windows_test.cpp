// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/export_checks.h"
#include "selection/selection_window.h"
#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace orvalink;
using namespace orvalink::test;
using namespace Qt::Literals::StringLiterals;
using Kind = ScriptedDialogs::Kind;

namespace {

const QByteArray kOldBookmarks = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n"
                                 "<H1>Bookmarks</H1>\n<DL><p>\n"
                                 "<DT><A HREF=\"https://old.example/\">Old</A>\n</DL><p>\n";

// Radio (Jazz, Late (Owl)) and Weather: two folders, three links.
const QByteArray kHotlist = readFixture(u"samples/radio.adr"_s);

} // namespace

class FileExportWindowsTest : public QObject, private ExportWindowFixture
{
    Q_OBJECT

private slots:
    void init() { startWindows(); }
    void cleanup() { endWindows(); }

    // Favorites to Firefox: the user's Favorites and the one Firefox profile are found, the
    // Favorites are merged into a new folder with a backup first (a shortcut without an address
    // counted, but not written), and the choices come back in the Firefox-Opera window.
    void favoritesToFirefox()
    {
        writeFavorites(home(u"Favorites"_s));
        write(u"Favorites/News/Blank.url"_s, "[InternetShortcut]\r\n");
        const QString bookmarks = m_home->addFirefoxProfile(kOldBookmarks);
        const QString entry = "<default> "_L1 + bookmarks;

        open(ExportMode::IEToFirefox);
        QCOMPARE(caption(), "What to Export: (2 Folders && 4 Links)"_L1);
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), entry);
        QCOMPARE(m_job->UserName, "default"_L1);

        get<QCheckBox>("chkLinksBefore")->click();
        const QString folder = get<QLineEdit>("txtWhereNew")->text();
        QVERIFY(folder.startsWith("Imported from IE ("_L1));
        click("Command10");
        QCOMPARE(m_dialogs->count(Kind::Message), 1);
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Exporting Incomplete"_L1);
        QCOMPARE(readFile(QFileInfo(bookmarks).path() + "/Backup_of_bookmarks.html"_L1),
                 kOldBookmarks);
        QCOMPARE(treeOf(FormId::BookmarkFile, bookmarks),
                 u"  Old <https://old.example/>\n  [1] %1\n    Top <https://top.example/>\n"
                 "    [2] Linux\n      Kernel <https://kernel.example/>\n    [3] News\n"
                 "      BBC <https://bbc.example/>\n"_s.arg(folder));
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 0), 5);

        // The shared choices and the bookmark file history, in the other window.
        open(ExportMode::OperaToFirefox);
        QVERIFY(get<QCheckBox>("chkLinksBefore")->isChecked());
        // In the source's order, links and folders are not sorted apart.
        get<QCheckBox>("chkKeepOrder")->click();
        QVERIFY(!get<QCheckBox>("chkLinksBefore")->isEnabled());
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), entry);
        QCOMPARE(m_job->UserName, "default"_L1);
    }

    // Favorites to Opera: a browsed Favorites folder, a new hotlist, and a selection. A new file
    // offers neither merge nor backup nor a new folder until the export made it exist.
    void favoritesToOperaSelected()
    {
        QVERIFY(QDir(m_home->path()).mkpath(u"Favorites"_s));
        const QString favorites = home(u"Elsewhere"_s);
        writeFavorites(favorites);
        open(ExportMode::IEToOpera);
        m_dialogs->answerPickFolder(favorites);
        click("Command1");
        // The whole file system, opening at the Favorites folder known so far, over the window.
        const ScriptedDialogs::Call picker = m_dialogs->last(Kind::PickFolder);
        QCOMPARE(picker.folder.rootPath, QString());
        QCOMPARE(picker.folder.initialFolder, home(u"Favorites"_s));
        QCOMPARE(picker.parent.data(), static_cast<QWidget*>(m_window.data()));
        QCOMPARE(get<QLineEdit>("txtIELoc")->text(), favorites);
        QCOMPARE(m_job->TotalLinkCount, 3);

        const QString hotlist = home(u"out/new.adr"_s);
        QVERIFY(QDir().mkpath(QFileInfo(hotlist).path()));
        m_dialogs->answerSaveFile(hotlist);
        click("Command2");
        QCOMPARE(get<QLabel>("Label1")->text(), "Location of Opera Hot&list: (New File)"_L1);
        for (const char* name :
             {"frmOld", "chkBackup", "optOldMerge", "optWhere(1)", "txtWhereNew"})
            QVERIFY2(!get<QWidget>(name)->isEnabled(), name);

        // Only the folder "Linux" (folder row 1 of the listing order) and its link.
        confirmSelectionWith([this](Form3&) { m_job->source()->ApplyFolderCheck(1, true); });
        click("Command5");
        QCOMPARE(caption(), "What to Export: (1 Folders && 1 Links)"_L1);
        click("Command10");
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{"1 Folders & 1 Links Exported Successfully."_L1});
        QCOMPARE(treeOf(FormId::Hotlist, hotlist),
                 "  [1] Linux\n    Kernel <https://kernel.example/>\n"_L1);
        QCOMPARE(get<QLabel>("Label1")->text(), "Location of Opera Hot&list: (File Exists)"_L1);

        // Overwriting forces the root; merging brings the new folder back.
        auto* newFolder = get<QRadioButton>("optWhere(1)");
        auto* newName = get<QLineEdit>("txtWhereNew");
        QVERIFY(newFolder->isChecked() && newFolder->isEnabled() && newName->isEnabled());
        click("optOldErase");
        QVERIFY(get<QRadioButton>("optWhere(0)")->isChecked());
        QVERIFY(!newFolder->isEnabled() && !newName->isEnabled());
        click("optOldMerge");
        QVERIFY(newFolder->isChecked() && newFolder->isEnabled() && newName->isEnabled());
    }

    // Firefox to Opera: the source from the saved history, the hotlist Opera names, everything
    // written over the old hotlist.
    void firefoxToOpera()
    {
        const QString bookmarks =
            write(u"b/bookmarks.html"_s, QByteArray(kOldBookmarks).replace("Old", "Fresh"));
        write(m_home->optionsFile(), "[Settings]\r\n0NNLocation=" + bookmarks.toUtf8() + "\r\n");
        const QString hotlist = m_home->addOperaHotlist(kHotlist);

        open(ExportMode::FirefoxToOpera);
        click("optOldErase");
        click("Command10");
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{"0 Folders & 1 Links Exported Successfully."_L1});
        QCOMPARE(treeOf(FormId::Hotlist, hotlist), "  Fresh <https://old.example/>\n"_L1);
    }

    // Opera to Chromium: both files from discovery. While Chromium runs on the profile nothing is
    // written; then the hotlist goes into a new folder of the profile's Bookmarks, after what it
    // had, in the source's order, and the message counts what that folder holds.
    void operaToChromium()
    {
        const QString hotlist = m_home->addOperaHotlist(kHotlist);
        const QString bookmarks = m_home->addChromiumProfile();
        const QByteArray old = readFile(bookmarks);
        const QString oldTree = treeOf(FormId::Chromium, bookmarks);

        open(ExportMode::OperaToChromium, {u"chromium"_s});
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), u"<Chromium: Default> "_s + bookmarks);
        click("Command10");
        QCOMPARE(m_dialogs->count(Kind::Message), 1);
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Chromium is running"_L1);
        QCOMPARE(readFile(bookmarks), old);

        open(ExportMode::OperaToChromium);
        get<QCheckBox>("chkKeepOrder")->click();
        const QString folder = get<QLineEdit>("txtWhereNew")->text();
        click("Command10");
        const QString hotlistTree = treeOf(FormId::Hotlist, hotlist);
        const QRegularExpression folderNumber(u"\\[\\d+\\] "_s);
        const QRegularExpression link(u" <[^>\\n]*>$"_s, QRegularExpression::MultilineOption);
        QCOMPARE(m_dialogs->messageTexts().last(), u"%1 Folders & %2 Links Exported Successfully."_s
                                                       .arg(hotlistTree.count(folderNumber))
                                                       .arg(hotlistTree.count(link)));
        QString imported = u"    "_s + folder + u'\n';
        for (const QString& line :
             QString(hotlistTree).remove(folderNumber).split(u'\n', Qt::SkipEmptyParts))
            imported += u"    "_s + line + u'\n';
        const QString otherEnds = u"  Mobile bookmarks\n"_s;
        QCOMPARE(QString(treeOf(FormId::Chromium, bookmarks)).remove(folderNumber).split(u'\n'),
                 QString(oldTree)
                     .remove(folderNumber)
                     .replace(otherEnds, imported + otherEnds)
                     .split(u'\n'));
    }

    // Opera to Firefox: browsed files on both sides, merged into the root of the bookmark file.
    // A file without links, or of another form, is refused, the placeholder brings the last choice
    // back, and the sixth browsed destination pushes out the oldest.
    void operaToFirefox()
    {
        open(ExportMode::OperaToFirefox);
        auto* sources = get<QComboBox>("cboFromLoc");
        m_dialogs->answerOpenFile(write(u"empty.adr"_s, "Opera Hotlist version 2.0\n"));
        click("cmdSelectFrom");
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{"The Selected File Does Not Contain Any Bookmark."_L1});
        QCOMPARE(sources->count(), 1);
        m_dialogs->answerOpenFile(write(u"other.adr"_s, kOldBookmarks));
        click("cmdSelectFrom");
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Not an Opera Hotlist"_L1);
        QCOMPARE(sources->count(), 1);

        const QString hotlist = write(u"opera.adr"_s, kHotlist);
        m_dialogs->answerOpenFile(hotlist);
        click("cmdSelectFrom");
        QCOMPARE(itemTexts(*sources).mid(1), QStringList{hotlist});
        QCOMPARE(caption(), "What to Export: (2 Folders && 3 Links)"_L1);

        const QString bookmarks = write(u"ff/bookmarks.html"_s, kOldBookmarks);
        m_dialogs->answerSaveFile(bookmarks);
        click("Command2");
        click("optWhere(0)");
        click("Command10");
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Exporting Complete"_L1);
        QCOMPARE(treeOf(FormId::BookmarkFile, bookmarks),
                 "  Old <https://old.example/>\n  [1] Radio\n    [2] Late\n"
                 "      Owl <https://owl.example/>\n    Jazz <https://jazz.example/>\n"
                 "  Weather <https://weather.example/>\n"_L1);

        auto* destinations = get<QComboBox>("cboNNLoc");
        chooseItem(*destinations, 0);
        QCOMPARE(destinations->currentText(), bookmarks);

        QStringList browsed;
        for (int i = 1; i <= 5; ++i) {
            browsed.prepend(home(u"ff/new%1.html"_s.arg(i)));
            m_dialogs->answerSaveFile(browsed.first());
            click("Command2");
        }
        QCOMPARE(itemTexts(*destinations).mid(1), browsed);
        QCOMPARE(m_job->DestinationFileLocation, browsed.first());
        QCOMPARE(get<QLabel>("Label1")->text(), "Location of Fi&refox Bookmarks: (New File)"_L1);
    }

    // What the checks, the backup and the writer refuse reaches the user, and only that: no
    // "Exporting Complete" after it.
    void failuresAreReported()
    {
        const QString bookmarks = write(u"b/bookmarks.html"_s, kOldBookmarks);
        const QString hotlist = write(u"o/bookmarks.adr"_s, kHotlist);
        write(m_home->optionsFile(), "[Settings]\r\n0NNLocation=" + bookmarks.toUtf8() +
                                         "\r\n0OperaHotlist=" + hotlist.toUtf8() + "\r\n");
        // The title of the one message an export shows.
        const auto exportShows = [&] {
            m_dialogs->clear();
            click("Command10");
            return m_dialogs->calls(Kind::Message).size() == 1
                       ? m_dialogs->last(Kind::Message).message.title
                       : u"several"_s;
        };

        open(ExportMode::FirefoxToOpera);
        const QString backup = home(u"o/Backup_of_bookmarks.adr"_s);
        QVERIFY(QDir().mkpath(backup));
        QVERIFY(exportShows() != "Exporting Complete"_L1);
        QVERIFY(QDir().rmdir(backup));

        // A merge into a file that is no hotlist is refused by the writer.
        write(hotlist, "no hotlist\n");
        QVERIFY(exportShows() != "Exporting Complete"_L1);
        QCOMPARE(readFile(hotlist), QByteArray("no hotlist\n"));
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 0), 0);

        // A merge into a file that has gone: the destination list starts over.
        QVERIFY(QFile::remove(hotlist));
        QCOMPARE(exportShows(), "Bookmark File Does Not Exist"_L1);
        auto* destinations = get<QComboBox>("cboNNLoc");
        QCOMPARE(destinations->currentIndex(), 0);
        QVERIFY(destinations->toolTip().isEmpty());

        // A source that has gone: the source list starts over, with nothing to count.
        QVERIFY(QFile::remove(bookmarks));
        chooseItem(*destinations, 1);
        QCOMPARE(exportShows(), "Bookmark File Does Not Exist"_L1);
        QCOMPARE(get<QComboBox>("cboFromLoc")->currentIndex(), 0);
        QCOMPARE(caption(), kNoSourceWhatCaption.toString());
        QCOMPARE(exportShows(), "Bookmark File Not Selected"_L1);

        // A source of another form is refused as the window takes it from its history.
        write(bookmarks, kHotlist);
        m_dialogs->clear();
        open(ExportMode::FirefoxToOpera);
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Not a Bookmark File"_L1);
        QCOMPARE(get<QComboBox>("cboFromLoc")->currentIndex(), 0);
        QCOMPARE(caption(), kNoSourceWhatCaption.toString());
    }

private:
    // A Favorites folder: News (BBC), Linux (Kernel) and the link Top: two folders, three links.
    void writeFavorites(const QString& folder) const
    {
        for (const auto& [file, url] : {std::pair{"/News/BBC.url", "bbc"},
                                        {"/Linux/Kernel.url", "kernel"},
                                        {"/Top.url", "top"}})
            write(folder + QLatin1String(file),
                  "[InternetShortcut]\r\nURL=https://"_ba + url + ".example/\r\n");
    }
};

ORVALINK_GUI_TEST(FileExportWindowsTest)
#include "file_export_windows_test.moc"
