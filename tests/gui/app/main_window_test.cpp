// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_page.h"
#include "app/main_window.h"
#include "model/job.h"
#include "settings/csetting.h"
#include "tests/gui/app/panel_buttons.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/about_window.h"
#include "windows/export_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QMultiHash>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace orvalink;
using orvalink::test::FreshHome;
using orvalink::test::kFirstLevel;
using orvalink::test::TestDialogs;
using orvalink::test::visibleButtons;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kReady = u"Ready"_s;

QString tagOf(const QWidget* button)
{
    return button->property("Tag").toString();
}

QStatusBar* statusBarOf(const Form1& window)
{
    return window.findChild<QStatusBar*>(u"StatusBar1"_s);
}

// Whether the status bar is wide enough to show text whole.
bool statusShowsWhole(const Form1& window, const QString& text)
{
    const QStatusBar* statusBar = statusBarOf(window);
    return QFontMetrics(statusBar->font()).horizontalAdvance(text) < statusBar->width();
}

// The export windows open now, as top-level widgets.
QList<ExportWindow*> openExportWindows()
{
    QList<ExportWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ExportWindow*>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

// Each family's first-level button and its conversions' buttons, left to right.
struct PanelFamily
{
    int button;
    QList<int> conversions;
};

const PanelFamily kFamilies[] = {
    {0, {4, 5, 14, 6}}, {1, {7, 8, 15, 9}}, {2, {10, 11, 16, 12}}, {13, {17, 18, 19, 20}}};

// Each conversion: its button, its menu item, the export window it opens and, where it reads or
// writes Chromium's Bookmarks, the list that discovery fills with the home's Chromium profile.
const struct ConversionRow
{
    int button;
    const char* menuItem;
    ExportMode mode;
    const char* windowName;
    const char* chromiumList = "";
} kConversionRows[] = {
    {4, "mnuFileIE(1)", ExportMode::IEToFirefox, "Form2"},
    {5, "mnuFileIE(2)", ExportMode::IEToOpera, "Form2"},
    {6, "mnuFileIE(3)", ExportMode::IEToMenu, "Form5"},
    {7, "mnuFileNN(1)", ExportMode::FirefoxToIE, "Form4"},
    {8, "mnuFileNN(2)", ExportMode::FirefoxToOpera, "Form6"},
    {9, "mnuFileNN(3)", ExportMode::FirefoxToMenu, "Form5"},
    {10, "mnuFileOp(1)", ExportMode::OperaToIE, "Form4"},
    {11, "mnuFileOp(2)", ExportMode::OperaToFirefox, "Form6"},
    {12, "mnuFileOp(3)", ExportMode::OperaToMenu, "Form5"},
    {14, "mnuFileIE(4)", ExportMode::IEToChromium, "Form2", "cboNNLoc"},
    {15, "mnuFileNN(4)", ExportMode::FirefoxToChromium, "Form6", "cboNNLoc"},
    {16, "mnuFileOp(4)", ExportMode::OperaToChromium, "Form6", "cboNNLoc"},
    {17, "mnuFileCr(1)", ExportMode::ChromiumToIE, "Form4", "cboNNLoc"},
    {18, "mnuFileCr(2)", ExportMode::ChromiumToFirefox, "Form6", "cboFromLoc"},
    {19, "mnuFileCr(3)", ExportMode::ChromiumToOpera, "Form6", "cboFromLoc"},
    {20, "mnuFileCr(4)", ExportMode::ChromiumToMenu, "Form5", "cboNNLoc"},
};

// A help page as the build tree ships it, "" when it is missing.
QString helpPageText(const QString& name)
{
    QFile file(QStringLiteral(ORVALINK_PROGRAM_DIR "/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The program texts a help page quotes, in order, as a reader sees them.
QStringList quotedTexts(const QString& page)
{
    static const QRegularExpression quote(u"class=\"ui\">(.*?)</"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression lineBreaks(u"\\s+"_s);
    QStringList texts;
    for (const auto& match : quote.globalMatch(page)) {
        QString text = match.captured(1).replace(lineBreaks, u" "_s);
        text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&hellip;"_s, u"…"_s);
        texts.append(text.replace(u"&amp;"_s, u"&"_s));
    }
    return texts;
}

// What the program shows for each English text of a language's catalogue, mnemonics removed. A
// text used in several windows may be translated differently in each.
QMultiHash<QString, QString> shownTranslations(const QString& language)
{
    static const QRegularExpression mnemonic(u"&(&?)"_s);
    QFile file(QStringLiteral(ORVALINK_TRANSLATIONS_DIR "/orvalink_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMultiHash<QString, QString> shown;
    QXmlStreamReader catalogue(&file);
    QString source;
    while (!catalogue.atEnd()) {
        if (catalogue.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (catalogue.name() == u"source")
            source = catalogue.readElementText().replace(mnemonic, u"\\1"_s);
        else if (catalogue.name() == u"translation")
            shown.insert(source, catalogue.readElementText(QXmlStreamReader::IncludeChildElements)
                                     .replace(mnemonic, u"\\1"_s));
    }
    return shown;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_font = QApplication::font();
        m_home = std::make_unique<FreshHome>();
        m_dialogs = std::make_unique<TestDialogs>();
        m_job = std::make_unique<Job>();
        m_window = std::make_unique<Form1>(*m_job, m_home->settings(), *m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        for (ExportWindow* window : openExportWindows())
            window->close();
        // Closed windows go before the job they work on.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_window.reset();
        m_job.reset();
        m_dialogs.reset();
        m_home.reset();
        QApplication::setFont(m_font);
    }

    void panelLevels_data()
    {
        QTest::addColumn<double>("fontScale");
        QTest::newRow("normal text") << 1.0;
        // A high font setting widens the window rather than cutting captions or tags.
        QTest::newRow("large text") << 1.8;
    }

    void panelLevels()
    {
        QFETCH(double, fontScale);
        if (fontScale != 1.0) {
            QFont large = m_font;
            large.setPointSizeF(m_font.pointSizeF() * fontScale);
            QApplication::setFont(large);
            m_window = std::make_unique<Form1>(*m_job, m_home->settings(), *m_dialogs);
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        }
        Form1& window = *m_window;
        const auto button = [&](int index) { return window.cmdInizio(index); };
        // Captions fit their buttons, buttons the window, tags the status bar.
        const auto showWhole = [&] {
            for (int index : visibleButtons(window)) {
                QPushButton* shown = button(index);
                QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) < shown->width());
                QVERIFY(window.centralWidget()->rect().contains(shown->geometry()));
                QVERIFY2(statusShowsWhole(window, tagOf(shown)), qPrintable(tagOf(shown)));
            }
        };
        QCOMPARE(visibleButtons(window), kFirstLevel);
        QCOMPARE(statusBarOf(window)->currentMessage(), kReady);
        const int firstWidth = window.width();
        QVERIFY(firstWidth >= Form1::kFirstLevelWidth);
        showWhole();

        const QRect screen = window.screen()->availableGeometry();
        for (const PanelFamily& family : kFamilies) {
            // At the screen's right edge, the wider level moves left to end at that edge.
            window.move(screen.right() + 1 - window.frameGeometry().width(), screen.top());
            QTest::mouseClick(button(family.button), Qt::LeftButton);
            QCOMPARE(window.frameGeometry().right(), screen.right());
            QList<int> shown = family.conversions;
            shown.append(3);
            QList<int> sorted = shown;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(visibleButtons(window), sorted);
            QCOMPARE(tagOf(button(3)), u"Go Back to Main Window"_s);
            // The group stands where the sources stood, left to right, the back button last.
            QCOMPARE(button(shown[0])->pos(), button(0)->pos());
            for (qsizetype i = 1; i < shown.size(); ++i) {
                QVERIFY(button(shown[i - 1])->x() < button(shown[i])->x());
                QCOMPARE(button(shown[i])->y(), button(shown[0])->y());
                // Long captions or short, the buttons are alike.
                QVERIFY(std::abs(button(shown[i])->width() - button(shown[0])->width()) <= 1);
            }
            // Wider in the designed proportion.
            QVERIFY(window.width() >= firstWidth * 5415 / 4080);
            showWhole();
            QTest::mouseClick(button(3), Qt::LeftButton);
            QCOMPARE(visibleButtons(window), kFirstLevel);
            QCOMPARE(tagOf(button(3)), u"(Last Selection)"_s);
            QCOMPARE(window.width(), firstWidth);
        }

        // "(Last Selection)" is no conversion and no level: only the focus and hover change.
        statusBarOf(window)->showMessage(tagOf(button(1)));
        window.cmdInizio_Click(3);
        QCOMPARE(visibleButtons(window), kFirstLevel);
        QCOMPARE(window.width(), firstWidth);
        QVERIFY(window.ActiveExportWindow() == nullptr);
        QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget*>(u"Picture1"_s));
    }

    // Space on a family's button takes the focus into its level, and the back button takes it
    // back: a keyboard user keeps their place.
    void keyboardFocusFollowsTheLevel()
    {
        Form1& window = *m_window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QPushButton* opera = window.cmdInizio(2);
        opera->setFocus(Qt::TabFocusReason);
        QTest::keyClick(opera, Qt::Key_Space);
        QCOMPARE(visibleButtons(window), (QList<int>{3, 10, 11, 12, 16}));
        QPushButton* first = window.cmdInizio(10);
        QCOMPARE(QApplication::focusWidget(), first);
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.cmdInizio(3));
        QTest::keyClick(window.cmdInizio(3), Qt::Key_Space);
        QCOMPARE(visibleButtons(window), kFirstLevel);
        QCOMPARE(QApplication::focusWidget(), opera);
    }

    void hoverShowsTagAndReady()
    {
        Form1& window = *m_window;
        QPushButton* firefox = window.cmdInizio(1);
        QTest::mouseMove(firefox, firefox->rect().center());
        QTRY_COMPARE(statusBarOf(window)->currentMessage(), tagOf(firefox));
        // Menu items passing under the pointer send their (empty) status tips: the button's
        // text stays.
        QStatusTipEvent menuTip{QString()};
        QApplication::sendEvent(&window, &menuTip);
        QCOMPARE(statusBarOf(window)->currentMessage(), tagOf(firefox));
        QTest::mouseMove(window.centralWidget(), QPoint(1, 1));
        QTRY_COMPARE(statusBarOf(window)->currentMessage(), kReady);
    }

    void conversions_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kConversionRows)); ++row)
            QTest::newRow(kConversionRows[row].menuItem) << row;
    }

    // Each conversion by its button, and by its menu item from the first level and from a
    // second level showing another source's group: the same mode and window every time, the
    // main window unavailable while the window is open and back when it closes.
    void conversions()
    {
        QFETCH(int, row);
        const auto& [button, menuItem, mode, windowName, chromiumList] = kConversionRows[row];
        Form1& window = *m_window;
        auto* action = window.findChild<QAction*>(QLatin1String(menuItem));
        QVERIFY(action);
        const auto family = std::find_if(
            std::begin(kFamilies), std::end(kFamilies),
            [button](const PanelFamily& each) { return each.conversions.contains(button); });
        const auto otherFamily =
            std::next(family) == std::end(kFamilies) ? std::begin(kFamilies) : std::next(family);
        const QString profile = *chromiumList ? m_home->addChromiumProfile() : QString();

        enum class Route { Button, MenuFromFirstLevel, MenuFromOtherGroup };
        for (Route route : {Route::Button, Route::MenuFromFirstLevel, Route::MenuFromOtherGroup}) {
            if (route != Route::MenuFromFirstLevel)
                QTest::mouseClick(
                    window.cmdInizio(route == Route::Button ? family->button : otherFamily->button),
                    Qt::LeftButton);
            const QList<int> panelBefore = visibleButtons(window);
            if (route == Route::Button)
                QTest::mouseClick(window.cmdInizio(button), Qt::LeftButton);
            else
                action->trigger();
            QCOMPARE(m_job->mode, mode);
            ExportWindow* exportWindow = window.ActiveExportWindow();
            QVERIFY(exportWindow);
            QCOMPARE(openExportWindows(), QList<ExportWindow*>{exportWindow});
            QCOMPARE(exportWindow->objectName(), QLatin1String(windowName));
            if (!profile.isEmpty()) {
                const auto* list =
                    test::child<QComboBox>(*exportWindow, QLatin1String(chromiumList));
                QVERIFY(test::itemTexts(*list).contains(u"<Chromium: Default> "_s + profile));
            }
            // The choice leaves the panel as it was.
            QCOMPARE(visibleButtons(window), panelBefore);
            QVERIFY(!window.isEnabled() && exportWindow->isEnabled());
            // The main window waits for the export window.
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());

            QVERIFY(exportWindow->close());
            for (int index = 0; index < Form1::kButtonCount; ++index)
                QVERIFY(window.cmdInizio(index)->isEnabled());
            QVERIFY(window.ActiveExportWindow() == nullptr);
            QCOMPARE(m_job->mode, ExportMode::None);
            QCOMPARE(openExportWindows().size(), 0);
            if (visibleButtons(window).contains(3))
                QTest::mouseClick(window.cmdInizio(3), Qt::LeftButton);
        }
    }

    void exitAndHelpAndAbout()
    {
        Form1& window = *m_window;
        window.findChild<QAction*>(u"mnuHelpSub(1)"_s)->trigger();
        QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::OpenExternally), 1);
        QCOMPARE(m_dialogs->last(ScriptedDialogs::Kind::OpenExternally).target,
                 helpPagePath(QCoreApplication::applicationDirPath()));

        // The about window is modal: the main window waits for it.
        bool shownModal = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            shownModal = about && !window.isEnabled();
            if (about)
                about->reject();
        });
        window.findChild<QAction*>(u"mnuHelpSub(4)"_s)->trigger();
        QVERIFY(shownModal && window.isEnabled());

        window.findChild<QAction*>(u"mnuFileSub(6)"_s)->trigger();
        QVERIFY(!window.isVisible());
    }

    void helpPageShipsInEachLanguage()
    {
        // Beside the program in the build tree.
        const QString built = helpPagePath(QStringLiteral(ORVALINK_PROGRAM_DIR), {u"en"_s});
        QVERIFY2(QFile::exists(built), qPrintable(built));
        QCOMPARE(QFileInfo(built).absolutePath(),
                 QDir(QStringLiteral(ORVALINK_PROGRAM_DIR "/help")).absolutePath());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString german = helpPagePath(QStringLiteral(ORVALINK_PROGRAM_DIR));
        QLocale::setDefault(QLocale::system());
        QCOMPARE(QFileInfo(german).fileName(), u"index.de.html"_s);

        // Below share/orvalink when installed; without its translation, a German reader gets
        // the English page rather than a missing one.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(u"bin"_s));
        QVERIFY(QDir(prefix.path()).mkpath(u"share/orvalink/help"_s));
        const QString installed = prefix.filePath(u"share/orvalink/help/index.html"_s);
        QVERIFY(QFile::copy(built, installed));
        QCOMPARE(helpPagePath(prefix.filePath(u"bin"_s), {u"de-DE"_s}), installed);

        // The first language the page is written in wins, English included.
        QCOMPARE(helpPageName({u"it-IT"_s, u"fr-CA"_s, u"de"_s}), u"index.fr.html"_s);
        QCOMPARE(helpPageName({u"en-GB"_s, u"de"_s}), u"index.html"_s);
        QCOMPARE(helpPageName({u"pt_BR"_s}), u"index.html"_s);
    }

    // A translated page has the English page's anchors, which links into it name, and where the
    // English page quotes the program it quotes what the translated program shows in that place.
    // Quotes the catalogue does not hold are the reader's to judge; a caption the program ends
    // with a colon is quoted without it.
    void translatedHelpPagesMatchTheEnglishOne()
    {
        const auto matches = [](const QString& page, const QString& pattern) {
            QSet<QString> found;
            for (const auto& match : QRegularExpression(pattern).globalMatch(page))
                found.insert(match.captured(1));
            return found;
        };
        static const QRegularExpression colon(u"\\s*:$"_s);
        const QString englishPage = helpPageText(u"index.html"_s);
        const QSet<QString> anchors = matches(englishPage, u" id=\"([^\"]+)\""_s);
        QVERIFY(anchors.contains(u"command-line"_s));
        QVERIFY(englishPage.contains(u"<html lang=\"en\">"_s));
        QVERIFY(anchors.contains(matches(englishPage, u"href=\"#([^\"]+)\""_s)));
        const QStringList english = quotedTexts(englishPage);
        QVERIFY(english.contains(u"Start Exporting"_s));
        for (const QString& language : {u"de"_s, u"fr"_s}) {
            const QString page = helpPageText(u"index.%1.html"_s.arg(language));
            QVERIFY2(page.contains(u"<html lang=\"%1\">"_s.arg(language)), qPrintable(language));
            QCOMPARE(matches(page, u" id=\"([^\"]+)\""_s), anchors);
            QVERIFY2(anchors.contains(matches(page, u"href=\"#([^\"]+)\""_s)),
                     qPrintable(language));
            const QMultiHash<QString, QString> shown = shownTranslations(language);
            QVERIFY(!shown.isEmpty());
            const QStringList quoted = quotedTexts(page);
            QCOMPARE(quoted.size(), english.size());
            for (qsizetype index = 0; index < english.size(); ++index) {
                QStringList expected = shown.values(english[index]);
                if (expected.isEmpty()) {
                    expected = shown.values(english[index] + u':');
                    expected.replaceInStrings(colon, QString());
                }
                QVERIFY2(
                    expected.isEmpty() || expected.contains(quoted[index]),
                    qPrintable(u"%1: \"%2\" is quoted as \"%3\", the program shows \"%4\""_s.arg(
                        language, english[index], quoted[index], expected.join(u"\" or \""_s))));
            }
        }
    }

    void positionIsSavedAndRestored()
    {
        // Stored in twips from the screen's edge.
        const QRect screen = m_window->screen()->geometry();
        m_window->move(screen.topLeft() + QPoint(40, 60));
        const QPoint placed = m_window->frameGeometry().topLeft();
        QVERIFY(m_window->close());
        const CSetting options = m_home->settings().optionsStore();
        QCOMPARE(options.GetSettingInt(u"Position"_s, u"MainLeft"_s).valueOr(-1),
                 (placed.x() - screen.left()) * 15);

        Form1 again(*m_job, m_home->settings(), *m_dialogs);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.frameGeometry().topLeft(), placed);
    }

private:
    QFont m_font;
    std::unique_ptr<FreshHome> m_home;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<Job> m_job;
    std::unique_ptr<Form1> m_window;
};

ORVALINK_GUI_TEST(MainWindowTest)

#include "main_window_test.moc"
