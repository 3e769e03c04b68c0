#include "app/help_page.h"
#include "app/main_window.h"
#include "model/job.h"
#include "settings/csetting.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/about_window.h"
#include "windows/export_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace orvalink;
using orvalink::test::FreshHome;
using orvalink::test::TestDialogs;

namespace {

const QString kReady = QStringLiteral("Ready");

QString tagOf(const QWidget* button)
{
    return button->property("Tag").toString();
}

QList<int> visibleButtons(const Form1& window)
{
    QList<int> visible;
    for (int index = 0; index < Form1::kButtonCount; ++index) {
        if (window.cmdInizio(index)->isVisibleTo(&window))
            visible.append(index);
    }
    return visible;
}

QStatusBar* statusBarOf(const Form1& window)
{
    return window.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
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

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<FreshHome>();
        m_dialogs = std::make_unique<TestDialogs>();
        m_job = std::make_unique<Job>();
        m_window = std::make_unique<Form1>(*m_job, *m_dialogs);
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
    }

    void panelLevelsAndBackButton()
    {
        Form1& window = *m_window;
        QCOMPARE(visibleButtons(window), (QList<int>{0, 1, 2}));
        QCOMPARE(tagOf(window.cmdInizio(3)), QStringLiteral("Go Back to Main Window"));
        QCOMPARE(statusBarOf(window)->currentMessage(), kReady);
        const int firstWidth = window.width();
        QVERIFY(firstWidth >= Form1::kFirstLevelWidth);
        for (int index : {0, 1, 2})
            QVERIFY(statusShowsWhole(window, tagOf(window.cmdInizio(index))));

        const int groupOf[] = {4, 7, 10};
        for (int source = 0; source < 3; ++source) {
            QTest::mouseClick(window.cmdInizio(source), Qt::LeftButton);
            const int first = groupOf[source];
            QCOMPARE(visibleButtons(window), (QList<int>{3, first, first + 1, first + 2}));
            QCOMPARE(tagOf(window.cmdInizio(3)), QStringLiteral("Go Back to Main Window"));
            // The group stands where the sources stood, left to right, the back button last.
            const int top = window.cmdInizio(first)->y();
            QCOMPARE(window.cmdInizio(first)->x(), window.cmdInizio(0)->x());
            QVERIFY(window.cmdInizio(first)->x() < window.cmdInizio(first + 1)->x());
            QVERIFY(window.cmdInizio(first + 1)->x() < window.cmdInizio(first + 2)->x());
            QVERIFY(window.cmdInizio(first + 2)->x() < window.cmdInizio(3)->x());
            QCOMPARE(window.cmdInizio(3)->y(), top);
            // Wider in the designed proportion, and wide enough for what it shows.
            QVERIFY(window.width() >= firstWidth * 5415 / 4080);
            QVERIFY(window.width() >= Form1::kSecondLevelWidth);
            for (int index : {3, first, first + 1, first + 2}) {
                QVERIFY(statusShowsWhole(window, tagOf(window.cmdInizio(index))));
                QVERIFY(
                    window.centralWidget()->rect().contains(window.cmdInizio(index)->geometry()));
            }
            QTest::mouseClick(window.cmdInizio(3), Qt::LeftButton);
            QCOMPARE(visibleButtons(window), (QList<int>{0, 1, 2}));
            QCOMPARE(tagOf(window.cmdInizio(3)), QStringLiteral("(Last Selection)"));
            QCOMPARE(window.width(), firstWidth);
        }

        // "(Last Selection)" is no conversion and no level: only the focus and hover change.
        statusBarOf(window)->showMessage(tagOf(window.cmdInizio(1)));
        window.cmdInizio_Click(3);
        QCOMPARE(visibleButtons(window), (QList<int>{0, 1, 2}));
        QCOMPARE(window.width(), firstWidth);
        QVERIFY(window.ActiveExportWindow() == nullptr);
        QCOMPARE(QApplication::focusWidget(),
                 window.findChild<QWidget*>(QStringLiteral("Picture1")));
    }

    // Large text (a high font setting) widens the window rather than cutting captions or tags.
    void largeTextIsNotClipped()
    {
        const QFont original = QApplication::font();
        QFont large = original;
        large.setPointSizeF(original.pointSizeF() * 1.8);
        QApplication::setFont(large);
        Form1 window(*m_job, *m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int source : {-1, 0, 1, 2}) {
            if (source >= 0)
                window.cmdInizio_Click(source);
            for (int index : visibleButtons(window)) {
                QPushButton* button = window.cmdInizio(index);
                QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
                QVERIFY(window.centralWidget()->rect().contains(button->geometry()));
                QVERIFY2(statusShowsWhole(window, tagOf(button)), qPrintable(tagOf(button)));
            }
            if (source >= 0)
                window.cmdInizio_Click(3);
        }
        QApplication::setFont(original);
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
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("windowName");

        const auto add = [](int button, const QString& menuItem, ExportMode mode,
                            const QString& title, const QString& windowName) {
            QTest::addRow("%s", qPrintable(menuItem))
                << button << menuItem << static_cast<int>(mode) << title << windowName;
        };
        add(4, QStringLiteral("mnuFileIE(1)"), ExportMode::IEToFirefox,
            QStringLiteral("IE Favorites to FF Bookmarks - Orvalink"), QStringLiteral("Form2"));
        add(5, QStringLiteral("mnuFileIE(2)"), ExportMode::IEToOpera,
            QStringLiteral("IE Favorites to Opera Bookmarks - Orvalink"), QStringLiteral("Form2"));
        add(6, QStringLiteral("mnuFileIE(3)"), ExportMode::IEToMenu,
            QStringLiteral("IE Favorites to DHTML Menu - Orvalink"), QStringLiteral("Form5"));
        add(7, QStringLiteral("mnuFileNN(1)"), ExportMode::FirefoxToIE,
            QStringLiteral("FF Bookmarks to IE Favorites - Orvalink"), QStringLiteral("Form4"));
        add(8, QStringLiteral("mnuFileNN(2)"), ExportMode::FirefoxToOpera,
            QStringLiteral("FF Bookmarks to Opera Bookmarks - Orvalink"), QStringLiteral("Form6"));
        add(9, QStringLiteral("mnuFileNN(3)"), ExportMode::FirefoxToMenu,
            QStringLiteral("FF Bookmarks to DHTML Menu - Orvalink"), QStringLiteral("Form5"));
        add(10, QStringLiteral("mnuFileOp(1)"), ExportMode::OperaToIE,
            QStringLiteral("Opera Bookmarks to IE Favorites - Orvalink"), QStringLiteral("Form4"));
        add(11, QStringLiteral("mnuFileOp(2)"), ExportMode::OperaToFirefox,
            QStringLiteral("Opera Bookmarks to FF Bookmarks - Orvalink"), QStringLiteral("Form6"));
        add(12, QStringLiteral("mnuFileOp(3)"), ExportMode::OperaToMenu,
            QStringLiteral("Opera Bookmarks to DHTML Menu - Orvalink"), QStringLiteral("Form5"));
    }

    // Each conversion by its button, and by its menu item from the first level and from a
    // second level showing another source's group: the same mode and window every time, the
    // main window unavailable while the window is open and back when it closes.
    void conversions()
    {
        QFETCH(int, button);
        QFETCH(QString, menuItem);
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, windowName);
        Form1& window = *m_window;
        auto* action = window.findChild<QAction*>(menuItem);
        QVERIFY(action);
        const int source = (button - 4) / 3;

        enum class Route { Button, MenuFromFirstLevel, MenuFromOtherGroup };
        for (Route route : {Route::Button, Route::MenuFromFirstLevel, Route::MenuFromOtherGroup}) {
            QList<int> panelBefore;
            if (route == Route::Button) {
                QTest::mouseClick(window.cmdInizio(source), Qt::LeftButton);
                panelBefore = visibleButtons(window);
                QTest::mouseClick(window.cmdInizio(button), Qt::LeftButton);
            } else {
                if (route == Route::MenuFromOtherGroup)
                    QTest::mouseClick(window.cmdInizio((source + 1) % 3), Qt::LeftButton);
                panelBefore = visibleButtons(window);
                action->trigger();
            }
            QCOMPARE(static_cast<int>(m_job->mode), mode);
            ExportWindow* exportWindow = window.ActiveExportWindow();
            QVERIFY(exportWindow);
            QCOMPARE(exportWindow->windowTitle(), title);
            QCOMPARE(exportWindow->objectName(), windowName);
            QVERIFY(exportWindow->isVisible());
            QCOMPARE(openExportWindows().size(), 1);
            // The choice leaves the panel as it was.
            QCOMPARE(visibleButtons(window), panelBefore);

            QVERIFY(!window.isEnabled());
            for (int index = 0; index < Form1::kButtonCount; ++index)
                QVERIFY(!window.cmdInizio(index)->isEnabled());
            QVERIFY(exportWindow->isEnabled());
            // The main window waits for the export window.
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());

            QVERIFY(exportWindow->close());
            QVERIFY(window.isEnabled());
            for (int index = 0; index < Form1::kButtonCount; ++index)
                QVERIFY(window.cmdInizio(index)->isEnabled());
            QVERIFY(window.ActiveExportWindow() == nullptr);
            QCOMPARE(m_job->mode, ExportMode::None);
            QCOMPARE(openExportWindows().size(), 0);

            if (visibleButtons(window).contains(3))
                QTest::mouseClick(window.cmdInizio(3), Qt::LeftButton);
        }
    }

    void exportWindowExistsOnce()
    {
        Form1& window = *m_window;
        window.cmdInizio_Click(4);
        QPointer<ExportWindow> favoritesExport = window.ActiveExportWindow();
        QVERIFY(favoritesExport);
        // The other conversion of the same window finds it open: no second one.
        window.cmdInizio_Click(5);
        QCOMPARE(window.ActiveExportWindow(), favoritesExport.data());
        QCOMPARE(m_job->mode, ExportMode::IEToOpera);
        QCOMPARE(openExportWindows().size(), 1);

        QVERIFY(favoritesExport->close());
        QTRY_VERIFY(favoritesExport.isNull());
        window.cmdInizio_Click(4);
        QVERIFY(window.ActiveExportWindow());
        QCOMPARE(openExportWindows().size(), 1);
        QCOMPARE(window.ActiveExportWindow()->windowTitle(),
                 QStringLiteral("IE Favorites to FF Bookmarks - Orvalink"));
    }

    void exitAndHelpAndAbout()
    {
        Form1& window = *m_window;
        window.findChild<QAction*>(QStringLiteral("mnuHelpSub(1)"))->trigger();
        QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::OpenExternally), 1);
        QCOMPARE(m_dialogs->last(ScriptedDialogs::Kind::OpenExternally).target,
                 helpPagePath(QCoreApplication::applicationDirPath()));

        bool enabledDuringAbout = true;
        bool aboutShown = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            aboutShown = about != nullptr;
            enabledDuringAbout = window.isEnabled();
            if (about)
                about->reject();
        });
        window.findChild<QAction*>(QStringLiteral("mnuHelpSub(4)"))->trigger();
        QVERIFY(aboutShown);
        QVERIFY(!enabledDuringAbout);
        QVERIFY(window.isEnabled());

        window.findChild<QAction*>(QStringLiteral("mnuFileSub(6)"))->trigger();
        QVERIFY(!window.isVisible());
    }

    void helpPageShipsWithTheProgram()
    {
        // Beside the program in the build tree.
        const QString built = helpPagePath(QStringLiteral(ORVALINK_PROGRAM_DIR));
        QVERIFY2(QFile::exists(built), qPrintable(built));
        QCOMPARE(QFileInfo(built).absolutePath(),
                 QDir(QStringLiteral(ORVALINK_PROGRAM_DIR "/help")).absolutePath());

        // Below share/orvalink when installed.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/orvalink/help")));
        const QString installed = prefix.filePath(QStringLiteral("share/orvalink/help/index.html"));
        QVERIFY(QFile::copy(built, installed));
        QCOMPARE(helpPagePath(prefix.filePath(QStringLiteral("bin"))), installed);
    }

    void positionIsSavedAndRestored()
    {
        // A first start opens at a third of the screen.
        const QRect screen = m_window->screen()->geometry();
        QCOMPARE(m_window->frameGeometry().topLeft(),
                 QPoint(qRound(screen.width() / 3.0), qRound(screen.height() / 3.0)) +
                     screen.topLeft());

        m_window->move(screen.topLeft() + QPoint(40, 60));
        const QPoint placed = m_window->frameGeometry().topLeft();
        QVERIFY(m_window->close());
        CSetting options;
        options.Init();
        QCOMPARE(options.GetSettingInt(QStringLiteral("Position"), QStringLiteral("MainLeft"))
                     .valueOr(-1),
                 (placed.x() - screen.left()) * 15);

        Form1 again(*m_job, *m_dialogs);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.frameGeometry().topLeft(), placed);
    }

    // Pictures of both levels, light and dark, at 100% and 200%, for a person to look at.
    void screenshots()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        Form1 window(*m_job, *m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(test::saveScreenshotSet(window, QStringLiteral("main_window_first_level")).size(),
                 4);
        window.cmdInizio_Click(0);
        QCOMPARE(test::saveScreenshotSet(window, QStringLiteral("main_window_second_level")).size(),
                 4);
    }

private:
    std::unique_ptr<FreshHome> m_home;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<Job> m_job;
    std::unique_ptr<Form1> m_window;
};

ORVALINK_GUI_TEST(MainWindowTest)

#include "main_window_test.moc"
