#include "model/job.h"
#include "selection/selection_window.h"
#include "settings/exported_items.h"
#include "sources/source_loader.h"
#include "tests/gui/support/gui_test_support.h"
#include "windows/export_checks.h"
#include "windows/favorites_export_window.h"
#include "windows/firefox_opera_window.h"
#include "writers/tree_listing.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace orvalink;
using orvalink::test::child;
using orvalink::test::chooseItem;
using orvalink::test::confirmSelectionWith;
using orvalink::test::FreshHome;
using orvalink::test::itemTexts;
using orvalink::test::TestDialogs;
using Kind = ScriptedDialogs::Kind;

namespace {

const QByteArray kOldBookmarks = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n"
                                 "<H1>Bookmarks</H1>\n<DL><p>\n"
                                 "<DT><A HREF=\"https://old.example/\">Old</A>\n</DL><p>\n";

// Two folders, three links.
const QByteArray kHotlist = "Opera Hotlist version 2.0\n\n"
                            "#FOLDER\n\tNAME=Radio\n\n"
                            "#URL\n\tNAME=Jazz\n\tURL=https://jazz.example/\n\n"
                            "#FOLDER\n\tNAME=Late\n\n"
                            "#URL\n\tNAME=Owl\n\tURL=https://owl.example/\n\n-\n-\n"
                            "#URL\n\tNAME=Weather\n\tURL=https://weather.example/\n\n";

QString write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A Favorites folder: News (BBC), Linux (Kernel) and the link Top: two folders, three links.
void writeFavorites(const QString& folder)
{
    const auto shortcut = [](const char* url) {
        return QByteArray("[InternetShortcut]\r\nURL=") + url + "\r\n";
    };
    write(folder + QStringLiteral("/News/BBC.url"), shortcut("https://bbc.example/"));
    write(folder + QStringLiteral("/Linux/Kernel.url"), shortcut("https://kernel.example/"));
    write(folder + QStringLiteral("/Top.url"), shortcut("https://top.example/"));
}

// The tree of a written file below its root line, as the readers see it.
QString treeOf(SourceKind kind, const QString& path)
{
    Progress quiet;
    Result<std::unique_ptr<BookmarkModel>> loaded = LoadSource(kind, path, 0, quiet);
    if (!loaded)
        return QStringLiteral("unreadable: ") + loaded.error();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTreeListing(*loaded.value(), buffer);
    QString listing = QString::fromUtf8(buffer.data());
    return listing.mid(listing.indexOf(QLatin1Char('\n')) + 1);
}

QString lastMessageTitle(const ScriptedDialogs& dialogs)
{
    return dialogs.last(Kind::Message).message.title;
}

} // namespace

class FileExportWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<FreshHome>();
        m_dialogs = std::make_unique<TestDialogs>();
        m_job = std::make_unique<Job>();
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_job.reset();
        m_dialogs.reset();
        m_home.reset();
    }

    // Favorites to Firefox: the user's Favorites and the one Firefox profile are found, the
    // Favorites are merged into a new folder with a backup first, and the choices come back in
    // the Firefox-Opera window.
    void favoritesToFirefox()
    {
        writeFavorites(home(QStringLiteral("Favorites")));
        write(home(QStringLiteral(".mozilla/firefox/profiles.ini")),
              "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\n");
        const QString bookmarks = write(
            home(QStringLiteral(".mozilla/firefox/abc.default/bookmarks.html")), kOldBookmarks);
        const QString entry = QStringLiteral("<default> ") + bookmarks;

        Form2* window = open<Form2>(ExportMode::IEToFirefox);
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 QStringLiteral("What to Export: (2 Folders && 3 Links)"));
        auto* destinations = child<QComboBox>(*window, QStringLiteral("cboNNLoc"));
        QCOMPARE(destinations->currentText(), entry);
        QCOMPARE(m_job->DestinationFileLocation, bookmarks);
        QCOMPARE(m_job->UserName, QStringLiteral("default"));
        QCOMPARE(child<QLabel>(*window, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Location of Firefox Bookmarks: (File Exists)"));
        screenshots(window, QStringLiteral("form2"));

        child<QCheckBox>(*window, QStringLiteral("chkLinksBefore"))->click();
        const QString folder = child<QLineEdit>(*window, QStringLiteral("txtWhereNew"))->text();
        QVERIFY(folder.startsWith(QStringLiteral("Imported from IE (")));
        child<QPushButton>(*window, QStringLiteral("Command10"))->click();

        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("2 Folders & 3 Links Exported Successfully.")});
        QCOMPARE(m_dialogs->last(Kind::Message).message.icon, MessageIcon::Information);
        QCOMPARE(read(QFileInfo(bookmarks).path() + QStringLiteral("/Backup_of_bookmarks.html")),
                 kOldBookmarks);
        QCOMPARE(treeOf(SourceKind::BookmarkFile, bookmarks),
                 QStringLiteral("  Old <https://old.example/>\n  [1] %1\n"
                                "    Top <https://top.example/>\n    [2] Linux\n"
                                "      Kernel <https://kernel.example/>\n    [3] News\n"
                                "      BBC <https://bbc.example/>\n")
                     .arg(folder));
        QCOMPARE(AddTotalItemsExported(0), 5);
        QVERIFY(window->close());

        // The shared choices and the bookmark file history, in the other window.
        Form6* other = open<Form6>(ExportMode::OperaToFirefox);
        QVERIFY(child<QCheckBox>(*other, QStringLiteral("chkLinksBefore"))->isChecked());
        QCOMPARE(child<QComboBox>(*other, QStringLiteral("cboNNLoc"))->currentText(), entry);
        QCOMPARE(m_job->UserName, QStringLiteral("default"));
        QVERIFY(other->close());
    }

    // Favorites to Opera: a browsed Favorites folder, a new hotlist, and a selection. A new file
    // offers neither merge nor backup nor a new folder until the export made it exist.
    void favoritesToOperaSelected()
    {
        QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral("Favorites")));
        const QString favorites = home(QStringLiteral("Elsewhere"));
        writeFavorites(favorites);
        Form2* window = open<Form2>(ExportMode::IEToOpera);
        QCOMPARE(m_job->TotalLinkCount, 0);

        m_dialogs->answerPickFolder(favorites);
        child<QPushButton>(*window, QStringLiteral("Command1"))->click();
        QCOMPARE(m_dialogs->last(Kind::PickFolder).folder.prompt,
                 QStringLiteral("Please, Select a Folder."));
        QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtIELoc"))->text(), favorites);
        QCOMPARE(m_job->TotalLinkCount, 3);

        const QString hotlist = home(QStringLiteral("out/new.adr"));
        QVERIFY(QDir().mkpath(QFileInfo(hotlist).path()));
        m_dialogs->answerSaveFile(hotlist);
        child<QPushButton>(*window, QStringLiteral("Command2"))->click();
        QCOMPARE(child<QLabel>(*window, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Location of Opera Hotlist: (New File)"));
        for (const char* name :
             {"frmOld", "chkBackup", "optOldMerge", "optWhere(1)", "txtWhereNew"})
            QVERIFY2(!child<QWidget>(*window, QLatin1String(name))->isEnabled(), name);

        // Only the folder "Linux" (folder row 1 of the listing order) and its link.
        confirmSelectionWith([this](Form3&) { m_job->source()->ApplyFolderCheck(1, true); });
        child<QPushButton>(*window, QStringLiteral("Command5"))->click();
        QVERIFY(child<QRadioButton>(*window, QStringLiteral("optWhatSelect"))->isChecked());
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 QStringLiteral("What to Export: (1 Folders && 1 Links)"));

        child<QPushButton>(*window, QStringLiteral("Command10"))->click();
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("1 Folders & 1 Links Exported Successfully.")});
        QCOMPARE(treeOf(SourceKind::Hotlist, hotlist),
                 QStringLiteral("  [1] Linux\n    Kernel <https://kernel.example/>\n"));
        QCOMPARE(child<QLabel>(*window, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Location of Opera Hotlist: (File Exists)"));

        // Overwriting forces the root; merging brings the new folder back.
        auto* newFolder = child<QRadioButton>(*window, QStringLiteral("optWhere(1)"));
        auto* newName = child<QLineEdit>(*window, QStringLiteral("txtWhereNew"));
        QVERIFY(newFolder->isChecked() && newFolder->isEnabled() && newName->isEnabled());
        child<QRadioButton>(*window, QStringLiteral("optOldErase"))->click();
        QVERIFY(child<QRadioButton>(*window, QStringLiteral("optWhere(0)"))->isChecked());
        QVERIFY(!newFolder->isEnabled() && !newName->isEnabled());
        child<QRadioButton>(*window, QStringLiteral("optOldMerge"))->click();
        QVERIFY(newFolder->isChecked() && newFolder->isEnabled() && newName->isEnabled());
        QVERIFY(window->close());
    }

    // Firefox to Opera: the source from the saved history, the hotlist Opera names, everything
    // written over the old hotlist.
    void firefoxToOpera()
    {
        const QString bookmarks = write(home(QStringLiteral("b/bookmarks.html")),
                                        QByteArray(kOldBookmarks).replace("Old", "Fresh"));
        write(m_home->optionsFile(), "[Settings]\r\n0NNLocation=" + bookmarks.toUtf8() + "\r\n");
        const QString hotlist = write(home(QStringLiteral("opera/bookmarks.adr")), kHotlist);
        write(home(QStringLiteral(".opera/operaprefs.ini")),
              "[User Prefs]\nHot List File Ver2=" + hotlist.toUtf8() + "\n");

        Form6* window = open<Form6>(ExportMode::FirefoxToOpera);
        QCOMPARE(m_job->SourceFileLocation, bookmarks);
        QCOMPARE(m_job->TotalLinkCount, 1);
        QCOMPARE(m_job->DestinationFileLocation, hotlist);
        screenshots(window, QStringLiteral("form6"));

        child<QRadioButton>(*window, QStringLiteral("optOldErase"))->click();
        child<QPushButton>(*window, QStringLiteral("Command10"))->click();
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("0 Folders & 1 Links Exported Successfully.")});
        QCOMPARE(treeOf(SourceKind::Hotlist, hotlist),
                 QStringLiteral("  Fresh <https://old.example/>\n"));
        QVERIFY(window->close());
    }

    // Opera to Firefox: browsed files on both sides, merged into the root of the bookmark file.
    // A file without links is refused, the placeholder brings the last choice back, and the
    // sixth browsed destination pushes out the oldest.
    void operaToFirefox()
    {
        Form6* window = open<Form6>(ExportMode::OperaToFirefox);
        auto* sources = child<QComboBox>(*window, QStringLiteral("cboFromLoc"));
        auto* browseSource = child<QPushButton>(*window, QStringLiteral("cmdSelectFrom"));

        m_dialogs->answerOpenFile(
            write(home(QStringLiteral("empty.adr")), "Opera Hotlist version 2.0\n"));
        browseSource->click();
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("The Selected File Does Not Contain Any Bookmark.")});
        QCOMPARE(sources->count(), 1);
        QVERIFY(m_job->SourceFileLocation.isEmpty());

        const QString hotlist = write(home(QStringLiteral("opera.adr")), kHotlist);
        m_dialogs->answerOpenFile(hotlist);
        browseSource->click();
        QCOMPARE(itemTexts(*sources).mid(1), QStringList{hotlist});
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 QStringLiteral("What to Export: (2 Folders && 3 Links)"));

        const QString bookmarks = write(home(QStringLiteral("ff/bookmarks.html")), kOldBookmarks);
        m_dialogs->answerSaveFile(bookmarks);
        child<QPushButton>(*window, QStringLiteral("Command2"))->click();
        child<QRadioButton>(*window, QStringLiteral("optWhere(0)"))->click();
        child<QPushButton>(*window, QStringLiteral("Command10"))->click();
        QCOMPARE(lastMessageTitle(*m_dialogs), QStringLiteral("Exporting Complete"));
        QCOMPARE(treeOf(SourceKind::BookmarkFile, bookmarks),
                 QStringLiteral("  Old <https://old.example/>\n  [1] Radio\n    [2] Late\n"
                                "      Owl <https://owl.example/>\n"
                                "    Jazz <https://jazz.example/>\n"
                                "  Weather <https://weather.example/>\n"));

        auto* destinations = child<QComboBox>(*window, QStringLiteral("cboNNLoc"));
        chooseItem(*destinations, 0);
        QCOMPARE(destinations->currentText(), bookmarks);

        QStringList browsed;
        for (int i = 1; i <= 5; ++i) {
            browsed.prepend(home(QStringLiteral("ff/new%1.html").arg(i)));
            m_dialogs->answerSaveFile(browsed.first());
            child<QPushButton>(*window, QStringLiteral("Command2"))->click();
        }
        QCOMPARE(itemTexts(*destinations).mid(1), browsed);
        QCOMPARE(m_job->DestinationFileLocation, browsed.first());
        QCOMPARE(child<QLabel>(*window, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Location of Firefox Bookmarks: (New File)"));
        QVERIFY(window->close());
    }

    // What the checks, the backup and the writer refuse reaches the user, and only that: no
    // "Exporting Complete" after it.
    void failuresAreReported()
    {
        const QString bookmarks = write(home(QStringLiteral("b/bookmarks.html")), kOldBookmarks);
        const QString hotlist = write(home(QStringLiteral("o/bookmarks.adr")), kHotlist);
        write(m_home->optionsFile(), "[Settings]\r\n0NNLocation=" + bookmarks.toUtf8() +
                                         "\r\n0OperaHotlist=" + hotlist.toUtf8() + "\r\n");
        const auto exportWith = [&](Form6* window) {
            m_dialogs->clear();
            child<QPushButton>(*window, QStringLiteral("Command10"))->click();
            return m_dialogs->calls(Kind::Message).size() == 1 ? lastMessageTitle(*m_dialogs)
                                                               : QStringLiteral("several");
        };

        Form6* running =
            open<Form6>(ExportMode::FirefoxToOpera,
                        QStringList{QStringLiteral("firefox"), QStringLiteral("OPERA")});
        QCOMPARE(exportWith(running), QStringLiteral("Opera is running"));
        QVERIFY(running->close());

        Form6* window = open<Form6>(ExportMode::FirefoxToOpera);
        QFile::setPermissions(hotlist, QFile::ReadOwner | QFile::ReadGroup);
        QCOMPARE(exportWith(window), QStringLiteral("Read-Only Bookmark File"));
        QFile::setPermissions(hotlist, QFile::ReadOwner | QFile::WriteOwner);

        const QString backup = home(QStringLiteral("o/Backup_of_bookmarks.adr"));
        QVERIFY(QDir().mkpath(backup));
        QVERIFY(child<QCheckBox>(*window, QStringLiteral("chkBackup"))->isChecked());
        QVERIFY(exportWith(window) != QStringLiteral("Exporting Complete"));
        QVERIFY(QDir().rmdir(backup));

        // A merge into a file that is no hotlist is refused by the writer.
        write(hotlist, "no hotlist\n");
        QVERIFY(exportWith(window) != QStringLiteral("Exporting Complete"));
        QCOMPARE(read(hotlist), QByteArray("no hotlist\n"));
        QCOMPARE(AddTotalItemsExported(0), 0);

        // A merge into a file that has gone: the destination list starts over.
        QVERIFY(QFile::remove(hotlist));
        QCOMPARE(exportWith(window), QStringLiteral("Bookmark File Does Not Exist"));
        auto* destinations = child<QComboBox>(*window, QStringLiteral("cboNNLoc"));
        QCOMPARE(destinations->currentIndex(), 0);
        QVERIFY(destinations->toolTip().isEmpty());

        // A source that has gone: the source list starts over, with nothing to count.
        QVERIFY(QFile::remove(bookmarks));
        chooseItem(*destinations, 1);
        QCOMPARE(exportWith(window), QStringLiteral("Bookmark File Does Not Exist"));
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboFromLoc"))->currentIndex(), 0);
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 kNoSourceWhatCaption.toString());
        QCOMPARE(exportWith(window), QStringLiteral("Bookmark File Not Selected"));
        QVERIFY(window->close());
    }

private:
    QString home(const QString& relative) const
    {
        return m_home->path() + QLatin1Char('/') + relative;
    }

    template <typename Window> Window* open(ExportMode mode, const QStringList& processes = {})
    {
        m_job->mode = mode;
        auto* window =
            new Window(*m_job, *m_dialogs, std::make_unique<ListedProcessTable>(processes));
        window->show();
        return window;
    }

    // Both tabs, light and dark, at 100% and 200%.
    static void screenshots(QWidget* window, const QString& name)
    {
        auto* tabs = child<QTabWidget>(*window, QStringLiteral("TabStrip1"));
        orvalink::test::saveScreenshotSet(*window, name + QStringLiteral("-settings"));
        tabs->setCurrentIndex(1);
        orvalink::test::saveScreenshotSet(*window, name + QStringLiteral("-options"));
        tabs->setCurrentIndex(0);
    }

    std::unique_ptr<FreshHome> m_home;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<Job> m_job;
};

ORVALINK_GUI_TEST(FileExportWindowsTest)

#include "file_export_windows_test.moc"
