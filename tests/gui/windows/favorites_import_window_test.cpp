// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/selection_window.h"
#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvalink;
using namespace orvalink::test;
using namespace Qt::Literals::StringLiterals;
using Kind = ScriptedDialogs::Kind;

namespace {

// Two folders below the root ("News" holding "Deep") and three links.
const QByteArray kBookmarkFile = test::readFixture(u"samples/news_deep.html"_s);
// One folder ("Papers") and three links.
const QByteArray kHotlist = test::readFixture(u"samples/papers.adr"_s);

} // namespace

class FavoritesImportWindowTest : public QObject, private ExportWindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        startWindows();
        m_favorites = home(u"Favorites"_s);
        QVERIFY(QDir().mkpath(m_favorites));
    }
    void cleanup() { endWindows(); }

    // Firefox: the profile's file found by discovery, "Deep" alone ticked in the selection window
    // (it lands straight in the new folder), then reopening takes the file from the history.
    void bookmarkFileScenario()
    {
        const QString file = m_home->addFirefoxProfile(kBookmarkFile);
        open(ExportMode::FirefoxToIE);
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), "<default> "_L1 + file);

        confirmSelectionWith([this](Form3&) { m_job->source()->ApplyFolderCheck(2, true); });
        click("NNcmdSelect");
        QCOMPARE(caption(), "What to Export: (1 Folders && 1 Links)"_L1);
        QString newFolder = get<QLineEdit>("NNtxtWhereNew")->text();
        QVERIFY(newFolder.startsWith("Imported from FF ("_L1));
        click("Command10");
        expectCompletion({"1 Folders & 1 Links Exported Successfully."_L1},
                         MessageIcon::Information);
        QCOMPARE(treeOf(FormId::Favorites, m_favorites + u'/' + newFolder.replace(u'/', u'-')),
                 "  [1] Deep\n    Deep <https://deep.example/>\n"_L1);
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 0), 2);

        // Reopening keeps the file and the choice but not the selection.
        click("NNoptWhere(0)");
        open(ExportMode::FirefoxToIE);
        QCOMPARE(m_job->SourceFileLocation, file);
        QCOMPARE(caption(), "What to Export: (2 Folders && 3 Links)"_L1);
        QVERIFY(get<QRadioButton>("NNoptWhere(0)")->isChecked());

        // No saved folder and none to be found: the user is asked to type one.
        QVERIFY(QDir(m_favorites).removeRecursively());
        open(ExportMode::FirefoxToIE);
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Unable to Autolocate IE Folder"_L1);
    }

    // Opera: the hotlist picked with the file dialog, an existing subfolder picked under the
    // Favorites folder, and a folder standing where a link's file would go.
    void hotlistScenario()
    {
        QTemporaryDir files;
        const QString hotlist = writeFile(files.filePath("opera6.adr"_L1), kHotlist);
        const QString inner = m_favorites + "/Sub/Inner"_L1;
        QVERIFY(QDir().mkpath(inner + "/Top.URL"_L1));
        open(ExportMode::OperaToIE);
        browse(hotlist);
        QCOMPARE(caption(), "What to Export: (1 Folders && 3 Links)"_L1);
        // The next file dialog opens at the file chosen, not wherever the last one was.
        browse(hotlist);
        QCOMPARE(m_dialogs->last(Kind::OpenFile).file.initialPath, hotlist);

        m_dialogs->answerPickFolder(inner);
        click("NNoptWhere(2)");
        QCOMPARE(m_dialogs->last(Kind::PickFolder).folder.rootPath, m_favorites);
        QCOMPARE(m_dialogs->last(Kind::PickFolder).folder.initialFolder, m_favorites);
        QCOMPARE(get<QLineEdit>("NNtxtWhereExist")->text(),
                 QDir::toNativeSeparators("Sub/Inner"_L1));
        click("Command10");
        expectCompletion({"1 Folders & 3 Links Exported Successfully."_L1},
                         MessageIcon::Information);
        QVERIFY(QFile::exists(inner + "/Papers/Weekly.URL"_L1));
        QVERIFY(QFile::exists(inner + "/Top (2).URL"_L1));

        open(ExportMode::OperaToIE);
        QCOMPARE(m_job->SourceFileLocation, hotlist);
    }

    // The source list keeps five browsed files, refuses a file without links and brings the
    // chosen file back for the placeholder; where to export follows the subfolder picker's answer
    // and drops a subfolder of a Favorites folder no longer chosen; the checks speak through the
    // window, and nothing is written.
    void sourceWhereAndChecks()
    {
        QTemporaryDir files;
        open(ExportMode::FirefoxToIE);
        auto* combo = get<QComboBox>("cboNNLoc");
        click("Command10");
        QCOMPARE(shownLines(), QStringList{"Please, Select A Bookmark File."_L1});

        QStringList browsed;
        for (int i = 1; i <= 6; ++i)
            browse(browsed.emplace_back(
                writeFile(files.filePath(u"b%1.html"_s.arg(i)), kBookmarkFile)));
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->findText(browsed.first()), -1);
        browse(writeFile(files.filePath("empty.html"_L1),
                         "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n</DL><p>\n"));
        const UserMessage refused = m_dialogs->last(Kind::Message).message;
        QCOMPARE(refused.title, "Select a Bookmark File"_L1);
        QCOMPARE(refused.icon, MessageIcon::None);
        QCOMPARE(combo->count(), 6);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        QCOMPARE(combo->currentText(), browsed.last());
        QCOMPARE(m_job->SourceFileLocation, browsed.last());

        QFile::remove(browsed.last());
        click("Command10");
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Bookmark File Does Not Exist"_L1);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(caption(), "What to Export: (0 Folders && 0 Links)"_L1);

        browse(browsed.at(1));
        auto* newName = get<QLineEdit>("NNtxtWhereNew");
        auto* existingName = get<QLineEdit>("NNtxtWhereExist");
        QVERIFY(newName->isEnabled() && !existingName->isEnabled());
        click("NNoptWhere(0)");
        QVERIFY(!newName->isEnabled());
        // Cancelled, the Favorites folder itself, a folder elsewhere: back to the root.
        for (const QString& answer : {QString(), m_favorites, files.path()}) {
            m_dialogs->answerPickFolder(answer);
            click("NNoptWhere(2)");
            QVERIFY(get<QRadioButton>("NNoptWhere(0)")->isChecked());
            QVERIFY(existingName->text().isEmpty());
        }
        const QString tools = m_favorites + "/Tools"_L1;
        QVERIFY(QDir().mkpath(tools));
        m_dialogs->answerPickFolder(tools);
        click("NNcmdWhereBrowse");
        QVERIFY(get<QRadioButton>("NNoptWhere(2)")->isChecked());
        QCOMPARE(existingName->text(), "Tools"_L1);
        QVERIFY(existingName->isEnabled() && !newName->isEnabled());
        QVERIFY(QDir(tools).removeRecursively());
        click("Command10");
        QCOMPARE(shownLines().value(0), "The Selected Subfolder Where To Export The Bookmarks"_L1);

        auto* location = get<QLineEdit>("txtIELoc");
        location->setFocus();
        QTest::keyClick(location, Qt::Key_Backspace);
        QCOMPARE(m_job->IELocation, location->text());
        QVERIFY(existingName->text().isEmpty());
        QVERIFY(get<QRadioButton>("NNoptWhere(1)")->isChecked() && newName->isEnabled());
        click("Command10");
        QCOMPARE(shownLines().value(0), "The Selected Folder Where To Export The Bookmarks"_L1);
        QVERIFY(QDir(m_favorites).isEmpty());
    }

private:
    void browse(const QString& file)
    {
        m_dialogs->answerOpenFile(file);
        click("NNcmdNNBrowse");
    }
    // The lines of the last message box.
    QStringList shownLines() const { return m_dialogs->last(Kind::Message).message.lines; }
    void expectCompletion(const QStringList& lines, MessageIcon icon)
    {
        const UserMessage shown = m_dialogs->last(Kind::Message).message;
        QCOMPARE(shown.title, "Exporting Complete"_L1);
        QCOMPARE(shown.lines, lines);
        QCOMPARE(shown.icon, icon);
    }

    QString m_favorites;
};

ORVALINK_GUI_TEST(FavoritesImportWindowTest)
#include "favorites_import_window_test.moc"
