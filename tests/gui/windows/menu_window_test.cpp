// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/selection_window.h"
#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"
#include "windows/menu_color_widgets.h"
#include "windows/menu_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orvalink;
using namespace orvalink::test;
using namespace Qt::Literals::StringLiterals;
using Kind = ScriptedDialogs::Kind;

namespace {

const QString kRangeMessage = u"Please, insert a number in range [2-99]"_s;

} // namespace

class MenuWindowTest : public QObject, private ExportWindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        startWindows();
        write(u"Favorites/News/Paper.url"_s, "[InternetShortcut]\r\nURL=https://news.example/\r\n");
        write(u"Favorites/Search.url"_s, "[InternetShortcut]\r\nURL=https://find.example/\r\n");
        m_files = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        endWindows();
        m_files.reset();
    }

    // Favorites to a vertical menu in the "Steel" colours; the page list keeps one entry per
    // file, newest first; reopening finds the options as they were left.
    void favoritesScenario()
    {
        open(ExportMode::IEToMenu);
        QCOMPARE(caption(), "What to Export: (1 Folders && 2 Links)"_L1);
        auto* pages = get<QComboBox>("cboDHTMLLoc");
        const QString firstPage = pages->currentText();
        QVERIFY(firstPage.endsWith("/Orvalink_Menu.html"_L1));
        const QString page = file("menu.html"), other = file("other.html");
        for (const QString& path : {page, other, page})
            choosePage(path);
        QCOMPARE(itemTexts(*pages), (QStringList{page, other, firstPage}));
        QCOMPARE(get<QLabel>("Label1")->text(), "Location of the &DHTML Menu: (New File)"_L1);

        auto* presets = get<QComboBox>("cboMenuColor");
        presets->setCurrentIndex(presets->findText("Steel"_L1));
        get<QCheckBox>("chkVertical")->setChecked(true);
        get<QCheckBox>("chkShowBrowser")->setChecked(false);
        get<QLineEdit>("txtPageTitle")->setText("Mine"_L1);
        click("cmdCreaDHTML");
        const UserMessage done = m_dialogs->last(Kind::Message).message;
        QCOMPARE(done.title, "Exporting Complete"_L1);
        QCOMPARE(done.lines, QStringList{"1 Folders & 2 Links Exported Successfully."_L1});
        QCOMPARE(get<QLabel>("Label1")->text(), "Location of the &DHTML Menu: (File Exists)"_L1);
        expectPage(page, {"<title>Mine</title>", "bgcolor='#336699'",
                          "startMenu('root', true, 0, 16, 230, hBar);",
                          " addItem('Paper', 'https://news.example/', 'nw:');",
                          " addItem('Search', 'https://find.example/', 'nw:');"});
        // The root item, the folder's item and the two links.
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 0), 4);

        open(ExportMode::IEToMenu);
        QCOMPARE(get<QComboBox>("cboDHTMLLoc")->currentText(), page);
        QCOMPARE(get<QComboBox>("cboMenuColor")->currentText(), "Steel"_L1);
        QVERIFY(get<QCheckBox>("chkVertical")->isChecked());
        QVERIFY(!get<QCheckBox>("chkShowBrowser")->isChecked());
        QCOMPARE(get<QLineEdit>("txtPageTitle")->text(), "Mine"_L1);
    }

    // A Firefox profile's bookmark file found by discovery, the page from the history, one folder
    // picked in the selection window; the finished page opens in the browser instead of a box.
    void bookmarkFileScenario()
    {
        const QString bookmarks =
            m_home->addFirefoxProfile(readFixture(u"samples/news_deep.html"_s));
        const QString page = file("firefox.html");
        writeFile(m_home->optionsFile(), "[Settings]\r\n0MenuLocation=" + page.toUtf8() + "\r\n");

        open(ExportMode::FirefoxToMenu);
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), "<default> "_L1 + bookmarks);
        QCOMPARE(caption(), "What to Export: (2 Folders && 3 Links)"_L1);

        // "Deep" alone, below the unchecked "News": it becomes the bar's only item.
        confirmSelectionWith([this](Form3&) { m_job->source()->ApplyFolderCheck(2, true); });
        click("cmdSelect");
        QCOMPARE(caption(), "What to Export: (1 Folders && 1 Links)"_L1);
        click("cmdCreaDHTML");
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
        QCOMPARE(m_dialogs->last(Kind::OpenExternally).target, page);
        expectPage(page,
                   {"startMenu('root', false, 10, 0, 17, hBar);", " addItem('Deep', 'm3', 'sm:');",
                    " addItem('Deep', 'https://deep.example/', 'nw:');"});
        QVERIFY(!readFile(page).contains("'News'"));
    }

    // An Opera hotlist picked with the file dialog after one without links was refused, long
    // submenus broken after two items; reopening takes the hotlist from the history.
    void hotlistScenario()
    {
        const QString hotlist =
            writeFile(file("opera6.adr"), readFixture(u"samples/papers_and_links.adr"_s));
        const QString page = file("opera.html");
        open(ExportMode::OperaToMenu);
        auto* sources = get<QComboBox>("cboNNLoc");
        QCOMPARE(itemTexts(*sources), QStringList{"- Please Select an Hotlist File -"_L1});
        auto* tabs = get<QTabWidget>("TabStrip1");
        tabs->setCurrentIndex(2);
        click("cmdCreaDHTML");
        QCOMPARE(m_dialogs->messageTexts().last(), "Please, Select A Bookmark File."_L1);
        QCOMPARE(tabs->currentIndex(), 0);

        m_dialogs->answerOpenFile(writeFile(
            file("empty.adr"), "Opera Hotlist version 2.0\n\n#FOLDER\n\tNAME=Empty\n\n-\n"));
        click("cmdNNBrowse");
        QCOMPARE(m_dialogs->messageTexts().last(),
                 "The Selected File Does Not Contain Any Bookmark."_L1);
        QCOMPARE(sources->count(), 1);
        m_dialogs->answerOpenFile(hotlist);
        click("cmdNNBrowse");
        QCOMPARE(sources->currentText(), hotlist);
        QCOMPARE(caption(), "What to Export: (1 Folders && 5 Links)"_L1);

        choosePage(page);
        get<QLineEdit>("txtMaxItems")->setText(u"2"_s);
        get<QCheckBox>("chkShowBrowser")->setChecked(false);
        click("cmdCreaDHTML");
        QCOMPARE(m_dialogs->last(Kind::Message).message.title, "Exporting Complete"_L1);
        // The bar's submenu breaks after its second entry into a chain.
        expectPage(page, {" addItem('more...', 'mmo1_0', 'sm:');"});

        open(ExportMode::OperaToMenu);
        QCOMPARE(get<QComboBox>("cboNNLoc")->currentText(), hotlist);
    }

    // Saving, overwriting (names match without regard to case), refusing and deleting presets;
    // a colour picked equal to the old one keeps the preset; the choice comes back on reopening.
    void colorPresets()
    {
        open(ExportMode::IEToMenu);
        auto* presets = get<QComboBox>("cboMenuColor");
        auto* remove = get<QPushButton>("cmdPresetDelete");
        QCOMPARE(itemTexts(*presets), (QStringList{u"<Custom>"_s, u"Ice"_s, u"Steel"_s}));
        QVERIFY(!remove->isEnabled());

        presets->setCurrentIndex(1);
        QVERIFY(remove->isEnabled());
        m_dialogs->answerPickColor(toQColor(15722214));
        QTest::mouseClick(colorBox(ItemBackgroundColor), Qt::LeftButton);
        QCOMPARE(presets->currentText(), "Ice"_L1);
        m_dialogs->answerPickColor(QColor(1, 2, 3));
        QTest::mouseClick(colorBox(ItemBackgroundColor), Qt::LeftButton);
        QCOMPARE(presets->currentIndex(), 0);
        QCOMPARE(colorBox(ItemBackgroundColor)->color(), MenuColor(0x030201));
        QCOMPARE(colorBox(ItemTextColor)->color(), MenuColor(4469555));

        // A refused name asks nothing (an unscripted question fails the test); an existing name in
        // other case asks, and No keeps all.
        m_dialogs->answerInput(u"<Mine>"_s);
        click("cmdPresetSave");
        m_dialogs->answerInput(u"steel"_s);
        m_dialogs->answerQuestion(false);
        click("cmdPresetSave");
        QCOMPARE(presets->count(), 3);

        m_dialogs->answerInput(u"Mine"_s);
        click("cmdPresetSave");
        m_dialogs->answerInput(u"ice"_s);
        m_dialogs->answerQuestion(true);
        click("cmdPresetSave");
        QCOMPARE(itemTexts(*presets),
                 (QStringList{u"<Custom>"_s, u"Steel"_s, u"Mine"_s, u"Ice"_s}));
        QCOMPARE(presets->currentText(), "Ice"_L1);

        presets->setCurrentIndex(2);
        m_dialogs->answerQuestion(true);
        click("cmdPresetDelete");
        QCOMPARE(presets->currentIndex(), 0);
        QVERIFY(!remove->isEnabled());

        // The store kept the deletion and Ice's new colours.
        presets->setCurrentIndex(presets->findText("Ice"_L1));
        open(ExportMode::IEToMenu);
        QCOMPARE(itemTexts(*get<QComboBox>("cboMenuColor")),
                 (QStringList{u"<Custom>"_s, u"Ice"_s, u"Steel"_s}));
        QCOMPARE(get<QComboBox>("cboMenuColor")->currentText(), "Ice"_L1);
        QCOMPARE(colorBox(ItemBackgroundColor)->color(), MenuColor(0x030201));
    }

    // "Break Submenu After" takes two digits at most and only 2 to 99: leaving the field or
    // creating with another value is refused, even with the break turned off.
    void breakAfterRange()
    {
        const QString page = file("menu.html");
        open(ExportMode::IEToMenu);
        choosePage(page);
        auto* tabs = get<QTabWidget>("TabStrip1");
        tabs->setCurrentIndex(1);
        auto* items = get<QLineEdit>("txtMaxItems");
        QCOMPARE(items->text(), "25"_L1);
        items->setFocus();
        QTest::keyClick(items, Qt::Key_End);
        QTest::keyClicks(items, u"3x"_s);
        QCOMPARE(items->text(), "25"_L1);
        items->selectAll();
        QTest::keyClicks(items, u"1"_s);
        QCOMPARE(items->text(), "1"_L1);

        get<QCheckBox>("chkVertical")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(m_dialogs->count(Kind::Message), 1);
        const UserMessage refused = m_dialogs->last(Kind::Message).message;
        QCOMPARE(refused.lines, QStringList{kRangeMessage});
        QCOMPARE(refused.icon, MessageIcon::None);
        QVERIFY(items->hasFocus());
        QCOMPARE(items->selectedText(), "1"_L1);

        // Turning to another page leaves the field too: the check brings the user back.
        tabs->setCurrentIndex(2);
        QTRY_COMPARE(m_dialogs->count(Kind::Message), 2);
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(items->hasFocus());

        auto* breakAfter = get<QCheckBox>("chkMaxItems");
        breakAfter->setChecked(false);
        QVERIFY(!items->isEnabled());
        click("cmdCreaDHTML");
        QCOMPARE(m_dialogs->messageTexts().last(), kRangeMessage);
        QVERIFY(!QFile::exists(page));
        items->setText(u"99"_s);
        QCOMPARE(window().pageOptions().breakAfter, std::nullopt);
        breakAfter->setChecked(true);
        QCOMPARE(window().pageOptions().breakAfter, std::optional<int>(99));
    }

    // The preview follows the pointer and picks the colour of the part clicked.
    void preview()
    {
        open(ExportMode::IEToMenu);
        get<QTabWidget>("TabStrip1")->setCurrentIndex(1);
        auto* page = get<QLabel>("lblSfondo");
        auto* border = get<QLabel>("lblPreview(0)");
        auto* item = get<QLabel>("lblPreview(1)");
        auto* bar = get<QLabel>("lblMenuBar");
        const auto background = [](QWidget* w) { return w->palette().color(QPalette::Window); };
        const auto textColor = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
        const auto defaultColor = [](int slot) { return toQColor(kDefaultMenuColors[slot]); };
        QCOMPARE(background(item), defaultColor(ItemBackgroundColor));

        // The page lays itself out once shown.
        QTRY_VERIFY(item->width() > 0);
        QTest::mouseMove(item);
        QTRY_COMPARE(background(item), defaultColor(ItemBackgroundOverColor));
        QCOMPARE(textColor(item), defaultColor(ItemTextOverColor));
        QCOMPARE(background(border), defaultColor(ItemBorderOverColor));
        QCOMPARE(window().statusBar()->currentMessage(),
                 "Preview of the Menuitems on the Mouseover Status"_L1);
        QTest::mouseMove(page, QPoint(page->width() - 2, page->height() - 2));
        QTRY_COMPARE(background(item), defaultColor(ItemBackgroundColor));
        QCOMPARE(textColor(item), defaultColor(ItemTextColor));
        QCOMPARE(window().statusBar()->currentMessage(),
                 "Preview of the Menuitems on the Mouseout Status"_L1);

        // Shift with the right button: the text colour; Control picks nothing.
        const QColor text(10, 20, 30);
        m_dialogs->answerPickColor(text);
        QTest::mouseClick(item, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(m_dialogs->last(Kind::PickColor).initialColor, defaultColor(ItemTextColor));
        QCOMPARE(colorBox(ItemTextColor)->color(), toMenuColor(text));
        QCOMPARE(textColor(item), text);
        QTest::mouseClick(item, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(m_dialogs->count(Kind::PickColor), 1);

        const QColor barColor(200, 100, 0);
        m_dialogs->answerPickColor(barColor);
        QTest::mouseClick(bar, Qt::LeftButton);
        QCOMPARE(background(bar), barColor);
        m_dialogs->answerPickColor(std::nullopt);
        QTest::mouseClick(border, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        QCOMPARE(m_dialogs->last(Kind::PickColor).initialColor, defaultColor(ItemBorderOverColor));
    }

private:
    Form5& window() const { return *qobject_cast<Form5*>(m_window.data()); }
    ColorBox* colorBox(int slot) const
    {
        return child<ColorBox>(*m_window, u"picColor(%1)"_s.arg(slot));
    }
    QString file(const char* name) const { return m_files->filePath(QLatin1String(name)); }
    void choosePage(const QString& path)
    {
        m_dialogs->answerSaveFile(path);
        click("cmdMenuFilename");
    }
    // The page holds each of these texts.
    static void expectPage(const QString& path, std::initializer_list<const char*> texts)
    {
        const QString written = QString::fromUtf8(readFile(path));
        for (const char* text : texts)
            QVERIFY2(written.contains(QLatin1String(text)), text);
    }

    std::unique_ptr<QTemporaryDir> m_files;
};

ORVALINK_GUI_TEST(MenuWindowTest)
#include "menu_window_test.moc"
