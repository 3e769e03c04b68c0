// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows keep between runs: where they open, and that every export window shows the
// options file's choices and writes them back unchanged.

#include "model/job.h"
#include "settings/csetting.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/window_placement.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <memory>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

class WindowSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<test::FreshHome>(); }
    void cleanup() { m_home.reset(); }

    void placeWindowKeepsTheWindowOnItsScreen()
    {
        // Flush right from too far right or above; a window wider than the screen ends with a
        // negative left edge; a second screen counts from its own left edge.
        const QRect screen(0, 0, 1024, 768);
        QCOMPARE(keptOnScreen(screen, QSize(300, 200), QPoint(2000, -5)), QPoint(724, 0));
        QCOMPARE(keptOnScreen(screen, QSize(1100, 200), QPoint(10, 10)), QPoint(-76, 10));
        QCOMPARE(keptOnScreen(QRect(1024, 0, 800, 600), QSize(300, 200), QPoint(1000, 50)),
                 QPoint(1024, 50));

        // 30000 twips is far past any screen's right edge.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        CSetting options = m_home->settings().optionsStore();
        QVERIFY(options.SaveSettingStr(u"Position"_s, u"MainLeft"_s, u"30000"_s).ok());
        QVERIFY(options.SaveSettingStr(u"Position"_s, u"MainTop"_s, u"-300"_s).ok());
        QVERIFY(options.SaveSettingStr(u"Position"_s, u"SecTop"_s, u"300000"_s).ok());
        SettingsReader reader(m_home->settings());
        QWidget main;
        main.resize(272, 200);
        LoadWindowPosition(SavedWindow::Main, main, reader);
        // Not shown yet, so without a frame: the frame it is about to get counts as well, or its
        // bottom would end below the screen.
        QVERIFY(main.frameGeometry() == main.geometry());
        QVERIFY(main.x() < area.right() + 1 - 272);
        QCOMPARE(main.y(), area.top());
        QWidget exporter;
        exporter.resize(400, 300);
        LoadWindowPosition(SavedWindow::Export, exporter, reader);
        QVERIFY(exporter.y() < area.bottom() + 1 - 300);
    }

    // An options file as the program writes it, with a choice other than the default for every
    // key: each export window opens with its choices and histories and, closed unchanged,
    // writes every byte back as it was.
    void everyWindowWritesBackTheFileItRead()
    {
        const QString files = m_home->path() + u"/files/"_s;
        const QString favorites = files + u"Favorites"_s;
        test::writeFile(favorites + u"/Home.url"_s, "[InternetShortcut]\r\nURL=https://home/\r\n");
        QByteArray histories;
        for (int i = 0; i < 5; ++i) {
            const QString bookmarks =
                test::writeFile(files + u"b%1.html"_s.arg(i),
                                "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                                "<DT><A HREF=\"https://a.example/\">A</A>\n</DL><p>\n");
            const QString hotlist = test::writeFile(
                files + u"h%1.adr"_s.arg(i),
                "Opera Hotlist version 2.0\n\n#URL\n\tNAME=A\n\tURL=https://a.example/\n\n");
            const QString chromium =
                test::writeFile(files + u"c%1/Bookmarks"_s.arg(i),
                                test::readFixture(u"chromium-profile/Default/Bookmarks"_s));
            histories +=
                u"%1NNLocation=%2\r\n%1OperaHotlist=%3\r\n%1MenuLocation=%4m%1.html\r\n"
                u"%1ChromiumLocation=%5\r\n"_s.arg(i)
                    .arg(i == 1 ? u"<default> "_s + bookmarks : bookmarks, hotlist, files, chromium)
                    .toUtf8();
        }
        const QByteArray file =
            "[Position]\r\nSecLeft=1500\r\nSecTop=1800\r\n[Settings]\r\n"
            "FavLocation=" +
            favorites.toUtf8() +
            "\r\nBackup=0\r\nLinksBefore=1\r\nKeepOrder=1\r\nOldErase=-1\r\nOldMerge=0\r\n"
            "0Where=-1\r\n1Where=0\r\nWhereRoot=-1\r\nWhereNew=0\r\n"
            "ColorPreset=Steel\r\nOpenInNewWin=0\r\nShowURL=0\r\nVertical=1\r\n"
            "Shadows=0\r\nStatistics=1\r\nBreakVertical=0\r\n"
            "ShowInBrowser=0\r\nPageTitle=My Links\r\nBreakAfter=12\r\n"
            "MenuKeepOrder=1\r\n" +
            histories + "TotalItemsExported=7\r\n";
        QVERIFY(!test::writeFile(m_home->optionsFile(), file).isEmpty());

        for (const Conversion& conversion : kConversions) {
            Job job;
            job.mode = conversion.mode;
            test::TestDialogs dialogs;
            ConversionWindow* window =
                test::makeExportWindow(job, m_home->settings(), dialogs).release();
            window->show();
            QCOMPARE(window->pos(), QPoint(100, 120));
            QVERIFY(window->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QFile written(m_home->optionsFile());
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), file);
            QCOMPARE(dialogs.count(ScriptedDialogs::Kind::Message), 0);
        }
    }

private:
    std::unique_ptr<test::FreshHome> m_home;
};

ORVALINK_GUI_TEST(WindowSettingsTest)
#include "window_settings_test.moc"
