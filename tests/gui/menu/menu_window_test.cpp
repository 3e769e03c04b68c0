#include "menu/menu_color_widgets.h"
#include "menu/menu_window.h"
#include "model/job.h"
#include "platform/processes.h"
#include "selection/selection_window.h"
#include "settings/csetting.h"
#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace orvalink;
using orvalink::test::child;
using orvalink::test::confirmSelectionWith;
using orvalink::test::FreshHome;
using orvalink::test::itemTexts;
using orvalink::test::TestDialogs;
using orvalink::test::writeFile;
using Kind = ScriptedDialogs::Kind;

namespace {

// Two folders below the root and three links.
const QByteArray kBookmarkFile = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                 "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
                                 "<DT><H3>News</H3>\n<DL><p>\n"
                                 "<DT><A HREF=\"https://news.example/\">News</A>\n"
                                 "<DT><H3>Deep</H3>\n<DL><p>\n"
                                 "<DT><A HREF=\"https://deep.example/\">Deep</A>\n"
                                 "</DL><p>\n</DL><p>\n"
                                 "<DT><A HREF=\"https://top.example/\">Top</A>\n"
                                 "</DL><p>\n";

// One folder with two links, and three links beside it.
const QByteArray kHotlist = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n"
                            "#FOLDER\n\tNAME=Papers\n\n"
                            "#URL\n\tNAME=Daily\n\tURL=https://daily.example/\n\n"
                            "#URL\n\tNAME=Weekly\n\tURL=https://weekly.example/\n\n"
                            "-\n\n"
                            "#URL\n\tNAME=Top\n\tURL=https://top.example/\n\n"
                            "#URL\n\tNAME=Alpha\n\tURL=https://alpha.example/\n\n"
                            "#URL\n\tNAME=Beta\n\tURL=https://beta.example/\n\n";

const QByteArray kNoLinks = "Opera Hotlist version 2.0\n\n#FOLDER\n\tNAME=Empty\n\n-\n";

const QString kRangeMessage = QStringLiteral("Please, insert a number in range [2-99]");

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString shortcut(const QString& url)
{
    return QStringLiteral("[InternetShortcut]\r\nURL=") + url + QStringLiteral("\r\n");
}

ColorBox* colorBox(const QWidget& window, int slot)
{
    return child<ColorBox>(window, QStringLiteral("picColor(%1)").arg(slot));
}

QColor background(const QWidget& label)
{
    return label.palette().color(QPalette::Window);
}

} // namespace

class MenuWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<FreshHome>();
        m_favorites = m_home->path() + QStringLiteral("/Favorites");
        writeFile(m_favorites + QStringLiteral("/News/Paper.url"),
                  shortcut(QStringLiteral("https://news.example/")).toUtf8());
        writeFile(m_favorites + QStringLiteral("/Search.url"),
                  shortcut(QStringLiteral("https://find.example/")).toUtf8());
        m_files = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<TestDialogs>();
        m_job = std::make_unique<Job>();
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_dialogs->unusedAnswers(), 0);
        m_job.reset();
        m_dialogs.reset();
        m_files.reset();
        m_home.reset();
    }

    // Favorites to a vertical menu in the "Steel" colours; the page list keeps one entry per
    // file, newest first; reopening finds the options as they were left.
    void favoritesScenario()
    {
        Form5* window = open(ExportMode::IEToMenu);
        QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtIELoc"))->text(), m_favorites);
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 QStringLiteral("What to Export: (1 Folders && 2 Links)"));

        auto* pages = child<QComboBox>(*window, QStringLiteral("cboDHTMLLoc"));
        const QString firstPage = pages->currentText();
        QVERIFY(firstPage.endsWith(QStringLiteral("/Orvalink_Menu.html")));
        const QString page = m_files->filePath(QStringLiteral("menu.html"));
        const QString other = m_files->filePath(QStringLiteral("other.html"));
        for (const QString& path : {page, other, page}) {
            m_dialogs->answerSaveFile(path);
            QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdMenuFilename")),
                              Qt::LeftButton);
        }
        QCOMPARE(itemTexts(*pages), (QStringList{page, other, firstPage}));
        auto* pageLabel = child<QLabel>(*window, QStringLiteral("Label1"));
        QCOMPARE(pageLabel->text(), QStringLiteral("Location of the DHTML Menu: (New File)"));

        auto* presets = child<QComboBox>(*window, QStringLiteral("cboMenuColor"));
        presets->setCurrentIndex(presets->findText(QStringLiteral("Steel")));
        child<QCheckBox>(*window, QStringLiteral("chkVertical"))->setChecked(true);
        child<QCheckBox>(*window, QStringLiteral("chkShowBrowser"))->setChecked(false);
        child<QLineEdit>(*window, QStringLiteral("txtPageTitle"))->setText(QStringLiteral("Mine"));

        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdCreaDHTML")),
                          Qt::LeftButton);
        const UserMessage done = m_dialogs->last(Kind::Message).message;
        QCOMPARE(done.title, QStringLiteral("Exporting Complete"));
        QCOMPARE(done.lines,
                 QStringList{QStringLiteral("1 Folders & 2 Links Exported Successfully.")});
        QCOMPARE(pageLabel->text(), QStringLiteral("Location of the DHTML Menu: (File Exists)"));
        const QString written = readFile(page);
        QVERIFY(written.contains(QStringLiteral("<title>Mine</title>")));
        QVERIFY(written.contains(QStringLiteral(".itemText { text-decoration: none; font: 12px "
                                                "Verdana, Arial, Helvetica; color: #000000 }")));
        QVERIFY(written.contains(QStringLiteral("bgcolor='#336699'")));
        QVERIFY(written.contains(QStringLiteral("startMenu('root', true, 0, 16, 230, hBar);")));
        QVERIFY(
            written.contains(QStringLiteral(" addItem('Paper', 'https://news.example/', 'nw:');")));
        QVERIFY(written.contains(
            QStringLiteral(" addItem('Search', 'https://find.example/', 'nw:');")));
        // The root item, the folder's item and the two links.
        QCOMPARE(AddTotalItemsExported(0), 4);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        window = open(ExportMode::IEToMenu);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboDHTMLLoc"))->currentText(), page);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboMenuColor"))->currentText(),
                 QStringLiteral("Steel"));
        QVERIFY(child<QCheckBox>(*window, QStringLiteral("chkVertical"))->isChecked());
        QVERIFY(!child<QCheckBox>(*window, QStringLiteral("chkShowBrowser"))->isChecked());
        QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtPageTitle"))->text(),
                 QStringLiteral("Mine"));
        auto* tabs = child<QTabWidget>(*window, QStringLiteral("TabStrip1"));
        const QStringList names{QStringLiteral("bookmarks"), QStringLiteral("menu"),
                                QStringLiteral("page")};
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QCOMPARE(test::saveScreenshotSet(*window, QStringLiteral("form5-") + names[tab]).size(),
                     4);
        }
        QVERIFY(window->close());
    }

    // A Firefox profile's bookmark file found by discovery, the page from the history, one folder
    // picked in the selection window; the finished page opens in the browser instead of a box.
    void bookmarkFileScenario()
    {
        const QString bookmarks =
            writeFile(m_home->path() + QStringLiteral("/.mozilla/firefox/p.default/bookmarks.html"),
                      kBookmarkFile);
        writeFile(m_home->path() + QStringLiteral("/.mozilla/firefox/profiles.ini"),
                  "[Profile0]\nName=default\nIsRelative=1\nPath=p.default\n");
        const QString page = m_files->filePath(QStringLiteral("firefox.html"));
        CSetting options;
        options.Init();
        QVERIFY(options.SaveSettings(
            {{QStringLiteral("Settings"), QStringLiteral("0MenuLocation"), page}}));

        Form5* window = open(ExportMode::FirefoxToMenu);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboNNLoc"))->currentText(),
                 QStringLiteral("<default> ") + bookmarks);
        QCOMPARE(m_job->SourceFileLocation, bookmarks);
        QCOMPARE(m_job->MenuFileLocation, page);
        auto* what = child<QGroupBox>(*window, QStringLiteral("fraWhat"));
        QCOMPARE(what->title(), QStringLiteral("What to Export: (2 Folders && 3 Links)"));

        // "Deep" alone, below the unchecked "News": it becomes the bar's only item.
        confirmSelectionWith([this](Form3&) { m_job->source()->ApplyFolderCheck(2, true); });
        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdSelect")), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(*window, QStringLiteral("optWhatSelect"))->isChecked());
        QCOMPARE(what->title(), QStringLiteral("What to Export: (1 Folders && 1 Links)"));

        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdCreaDHTML")),
                          Qt::LeftButton);
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
        QCOMPARE(m_dialogs->last(Kind::OpenExternally).target, page);
        const QString written = readFile(page);
        QVERIFY(written.contains(QStringLiteral("startMenu('root', false, 10, 0, 17, hBar);")));
        QVERIFY(written.contains(QStringLiteral(" addItem('Deep', 'm3', 'sm:');")));
        QVERIFY(
            written.contains(QStringLiteral(" addItem('Deep', 'https://deep.example/', 'nw:');")));
        QVERIFY(!written.contains(QStringLiteral("'News'")));
        QVERIFY(written.contains(QStringLiteral("<table bgcolor='#00356A'")));
        QVERIFY(window->close());
    }

    // An Opera hotlist picked with the file dialog after one without links was refused, long
    // submenus broken after two items; reopening takes the hotlist from the history.
    void hotlistScenario()
    {
        const QString hotlist =
            writeFile(m_files->filePath(QStringLiteral("opera6.adr")), kHotlist);
        const QString empty = writeFile(m_files->filePath(QStringLiteral("empty.adr")), kNoLinks);
        const QString page = m_files->filePath(QStringLiteral("opera.html"));

        Form5* window = open(ExportMode::OperaToMenu);
        auto* sources = child<QComboBox>(*window, QStringLiteral("cboNNLoc"));
        QCOMPARE(itemTexts(*sources),
                 QStringList{QStringLiteral("- Please Select an Hotlist File -")});
        auto* tabs = child<QTabWidget>(*window, QStringLiteral("TabStrip1"));
        auto* create = child<QPushButton>(*window, QStringLiteral("cmdCreaDHTML"));

        tabs->setCurrentIndex(2);
        QTest::mouseClick(create, Qt::LeftButton);
        QCOMPARE(m_dialogs->last(Kind::Message).message.lines,
                 QStringList{QStringLiteral("Please, Select A Bookmark File.")});
        QCOMPARE(tabs->currentIndex(), 0);

        auto* browse = child<QPushButton>(*window, QStringLiteral("cmdNNBrowse"));
        m_dialogs->answerOpenFile(empty);
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(m_dialogs->last(Kind::Message).message.lines,
                 QStringList{QStringLiteral("The Selected File Does Not Contain Any Bookmark.")});
        QCOMPARE(sources->count(), 1);
        m_dialogs->answerOpenFile(hotlist);
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(sources->currentText(), hotlist);
        QCOMPARE(child<QGroupBox>(*window, QStringLiteral("fraWhat"))->title(),
                 QStringLiteral("What to Export: (1 Folders && 5 Links)"));

        m_dialogs->answerSaveFile(page);
        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdMenuFilename")),
                          Qt::LeftButton);
        child<QLineEdit>(*window, QStringLiteral("txtMaxItems"))->setText(QStringLiteral("2"));
        child<QCheckBox>(*window, QStringLiteral("chkShowBrowser"))->setChecked(false);
        QTest::mouseClick(create, Qt::LeftButton);
        QCOMPARE(m_dialogs->last(Kind::Message).message.title,
                 QStringLiteral("Exporting Complete"));
        const QString written = readFile(page);
        // The bar's submenu holds four entries: one, then a chain of one and "more..." each.
        QVERIFY(written.contains(QStringLiteral(" addItem('more...', 'mmo1_0', 'sm:');")));
        QVERIFY(
            written.contains(QStringLiteral("startMenu('mmo1_0', true, 227, -21, 230, subM);")));
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        window = open(ExportMode::OperaToMenu);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboNNLoc"))->currentText(), hotlist);
        test::saveScreenshotSet(*window, QStringLiteral("form5-hotlist"));
        QVERIFY(window->close());
    }

    // Saving, overwriting (names match without regard to case), refusing and deleting presets;
    // a colour picked equal to the old one keeps the preset; the choice comes back on reopening.
    void colorPresets()
    {
        Form5* window = open(ExportMode::IEToMenu);
        auto* presets = child<QComboBox>(*window, QStringLiteral("cboMenuColor"));
        auto* save = child<QPushButton>(*window, QStringLiteral("cmdPresetSave"));
        auto* remove = child<QPushButton>(*window, QStringLiteral("cmdPresetDelete"));
        QCOMPARE(itemTexts(*presets),
                 (QStringList{QStringLiteral("<Custom>"), QStringLiteral("Ice"),
                              QStringLiteral("Steel")}));
        QVERIFY(!remove->isEnabled());

        presets->setCurrentIndex(1);
        QVERIFY(remove->isEnabled());
        m_dialogs->answerPickColor(toQColor(15722214));
        QTest::mouseClick(colorBox(*window, ItemBackgroundColor), Qt::LeftButton);
        QCOMPARE(presets->currentText(), QStringLiteral("Ice"));
        m_dialogs->answerPickColor(QColor(1, 2, 3));
        QTest::mouseClick(colorBox(*window, ItemBackgroundColor), Qt::LeftButton);
        QCOMPARE(presets->currentIndex(), 0);
        QCOMPARE(colorBox(*window, ItemBackgroundColor)->color(), MenuColor(0x030201));
        QCOMPARE(colorBox(*window, ItemTextColor)->color(), MenuColor(4469555));

        // Refused names ask nothing; an existing name in other case asks, and No keeps all.
        for (const QString& name :
             {QStringLiteral("<Mine>"), QStringLiteral("version"), QStringLiteral("  ")}) {
            m_dialogs->answerInput(name);
            QTest::mouseClick(save, Qt::LeftButton);
        }
        m_dialogs->answerInput(QStringLiteral("steel"));
        m_dialogs->answerQuestion(false);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_dialogs->count(Kind::Question), 1);
        QCOMPARE(m_dialogs->last(Kind::Question).message.lines.first(),
                 QStringLiteral("The name steel already exists."));
        QCOMPARE(presets->count(), 3);

        m_dialogs->answerInput(QStringLiteral("Mine"));
        QTest::mouseClick(save, Qt::LeftButton);
        m_dialogs->answerInput(QStringLiteral("ice"));
        m_dialogs->answerQuestion(true);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(itemTexts(*presets),
                 (QStringList{QStringLiteral("<Custom>"), QStringLiteral("Steel"),
                              QStringLiteral("Mine"), QStringLiteral("Ice")}));
        QCOMPARE(presets->currentText(), QStringLiteral("Ice"));

        presets->setCurrentIndex(2);
        m_dialogs->answerQuestion(true);
        QTest::mouseClick(remove, Qt::LeftButton);
        const UserMessage asked = m_dialogs->last(Kind::Question).message;
        QCOMPARE(asked.title, QStringLiteral(" Confirm Deleting"));
        QCOMPARE(asked.lines, QStringList{QStringLiteral(
                                  "Really delete the current Menu Color Preset \"Mine\"?")});
        QCOMPARE(presets->currentIndex(), 0);
        QVERIFY(!remove->isEnabled());
        CSetting store;
        store.Init(QStringLiteral("ColorPreset"));
        QCOMPARE(store.GetSectionNames().value(),
                 (QStringList{QStringLiteral("Ice"), QStringLiteral("Steel"),
                              QStringLiteral("Version")}));
        QCOMPARE(store.GetSettingStr(QStringLiteral("Ice"), QStringLiteral("Color2")).value(),
                 QStringLiteral("197121"));

        presets->setCurrentIndex(presets->findText(QStringLiteral("Ice")));
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = open(ExportMode::IEToMenu);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cboMenuColor"))->currentText(),
                 QStringLiteral("Ice"));
        QCOMPARE(colorBox(*window, ItemBackgroundColor)->color(), MenuColor(0x030201));
        QVERIFY(window->close());
    }

    // "Break Submenu After" takes two digits at most and only 2 to 99: leaving the field or
    // creating with another value is refused, even with the break turned off.
    void breakAfterRange()
    {
        const QString page = m_files->filePath(QStringLiteral("menu.html"));
        Form5* window = open(ExportMode::IEToMenu);
        m_dialogs->answerSaveFile(page);
        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdMenuFilename")),
                          Qt::LeftButton);
        child<QTabWidget>(*window, QStringLiteral("TabStrip1"))->setCurrentIndex(1);
        auto* items = child<QLineEdit>(*window, QStringLiteral("txtMaxItems"));
        QCOMPARE(items->text(), QStringLiteral("25"));
        items->setFocus();
        QTest::keyClick(items, Qt::Key_End);
        QTest::keyClicks(items, QStringLiteral("3x"));
        QCOMPARE(items->text(), QStringLiteral("25"));
        items->selectAll();
        QTest::keyClicks(items, QStringLiteral("1"));
        QCOMPARE(items->text(), QStringLiteral("1"));

        child<QCheckBox>(*window, QStringLiteral("chkVertical"))->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(m_dialogs->count(Kind::Message), 1);
        const UserMessage refused = m_dialogs->last(Kind::Message).message;
        QCOMPARE(refused.lines, QStringList{kRangeMessage});
        QCOMPARE(refused.icon, MessageIcon::None);
        QVERIFY(items->hasFocus());
        QCOMPARE(items->selectedText(), QStringLiteral("1"));

        // Turning to another page leaves the field too: the check brings the user back.
        auto* tabs = child<QTabWidget>(*window, QStringLiteral("TabStrip1"));
        tabs->setCurrentIndex(2);
        QTRY_COMPARE(m_dialogs->count(Kind::Message), 2);
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(items->hasFocus());

        auto* breakAfter = child<QCheckBox>(*window, QStringLiteral("chkMaxItems"));
        breakAfter->setChecked(false);
        QVERIFY(!items->isEnabled());
        QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdCreaDHTML")),
                          Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts().last(), kRangeMessage);
        items->setText(QStringLiteral("99"));
        QVERIFY(!QFile::exists(page));
        QCOMPARE(window->pageOptions().breakAfter, std::nullopt);
        breakAfter->setChecked(true);
        QCOMPARE(window->pageOptions().breakAfter, std::optional<int>(99));
        QVERIFY(window->close());
    }

    // The preview follows the pointer and picks the colour of the part clicked.
    void preview()
    {
        Form5* window = open(ExportMode::IEToMenu);
        child<QTabWidget>(*window, QStringLiteral("TabStrip1"))->setCurrentIndex(1);
        auto* page = child<QLabel>(*window, QStringLiteral("lblSfondo"));
        auto* border = child<QLabel>(*window, QStringLiteral("lblPreview(0)"));
        auto* item = child<QLabel>(*window, QStringLiteral("lblPreview(1)"));
        auto* bar = child<QLabel>(*window, QStringLiteral("lblMenuBar"));
        QCOMPARE(background(*item), toQColor(kDefaultMenuColors[ItemBackgroundColor]));

        // The page lays itself out once shown.
        QTRY_VERIFY(item->width() > 0);
        QTest::mouseMove(item);
        QTRY_COMPARE(background(*item), toQColor(kDefaultMenuColors[ItemBackgroundOverColor]));
        QCOMPARE(item->palette().color(QPalette::WindowText),
                 toQColor(kDefaultMenuColors[ItemTextOverColor]));
        QCOMPARE(background(*border), toQColor(kDefaultMenuColors[ItemBorderOverColor]));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Preview of the Menuitems on the Mouseover Status"));
        QTest::mouseMove(page, QPoint(page->width() - 2, page->height() - 2));
        QTRY_COMPARE(background(*item), toQColor(kDefaultMenuColors[ItemBackgroundColor]));
        QCOMPARE(item->palette().color(QPalette::WindowText),
                 toQColor(kDefaultMenuColors[ItemTextColor]));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Preview of the Menuitems on the Mouseout Status"));

        // Shift with the right button: the text colour; Control picks nothing.
        const QColor text(10, 20, 30);
        m_dialogs->answerPickColor(text);
        QTest::mouseClick(item, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(m_dialogs->last(Kind::PickColor).initialColor,
                 toQColor(kDefaultMenuColors[ItemTextColor]));
        QCOMPARE(colorBox(*window, ItemTextColor)->color(), toMenuColor(text));
        QCOMPARE(item->palette().color(QPalette::WindowText), text);
        QTest::mouseClick(item, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(m_dialogs->count(Kind::PickColor), 1);

        const QColor barColor(200, 100, 0);
        m_dialogs->answerPickColor(barColor);
        QTest::mouseClick(bar, Qt::LeftButton);
        QCOMPARE(background(*bar), barColor);
        m_dialogs->answerPickColor(std::nullopt);
        QTest::mouseClick(border, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        QCOMPARE(m_dialogs->last(Kind::PickColor).initialColor,
                 toQColor(kDefaultMenuColors[ItemBorderOverColor]));
        QVERIFY(window->close());
    }

private:
    Form5* open(ExportMode mode)
    {
        m_job->mode = mode;
        auto* window =
            new Form5(*m_job, *m_dialogs, std::make_unique<ListedProcessTable>(QStringList{}));
        window->show();
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
        return window;
    }

    std::unique_ptr<FreshHome> m_home;
    QString m_favorites;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<Job> m_job;
};

ORVALINK_GUI_TEST(MenuWindowTest)

#include "menu_window_test.moc"
