// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "model/job.h"
#include "tests/gui/app/panel_buttons.h"
#include "tests/gui/support/gui_test_support.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orvalink;
using orvalink::test::FreshHome;
using orvalink::test::kFirstLevel;
using orvalink::test::TestDialogs;
using orvalink::test::visibleButtons;
using namespace Qt::Literals::StringLiterals;

// A file given to the program opens at its family's conversions, and the export window chosen
// there starts with it as the source.
class OpenSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<FreshHome>();
        m_window = std::make_unique<Form1>(m_job, m_home->settings(), m_dialogs);
        m_window->show();
    }

    void cleanup()
    {
        if (ExportWindow* exportWindow = m_window->ActiveExportWindow())
            exportWindow->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_window.reset();
        m_dialogs.clear();
        m_home.reset();
    }

    void givenFileOpensItsFamily_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("level");
        // The conversion to open from there; -1 for none.
        QTest::addColumn<int>("conversion");
        QTest::newRow("bookmark file")
            << u"bookmarks.html"_s
            << test::readFixture(u"bookmark-file/firefox_export/input.html"_s)
            << QList<int>{3, 7, 8, 9, 15} << 8;
        QTest::newRow("hotlist") << u"opera6.adr"_s
                                 << test::readFixture(u"hotlist/own_format/input.adr"_s)
                                 << QList<int>{3, 10, 11, 12, 16} << 10;
        QTest::newRow("Chromium") << u"Bookmarks"_s
                                  << test::readFixture(u"chromium-profile/Default/Bookmarks"_s)
                                  << QList<int>{3, 17, 18, 19, 20} << 20;
        // Recognised by its header alone, named as a bookmark file might be.
        QTest::newRow("Firefox database")
            << u"bookmarks.html"_s << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0')
            << QList<int>{3, 7, 8, 9, 15} << -1;
    }

    void givenFileOpensItsFamily()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, level);
        QFETCH(int, conversion);
        const QString path = test::writeFile(m_home->path() + u"/given/"_s + name, content);
        QVERIFY(!path.isEmpty());

        m_window->openSource(path);
        QCOMPARE(visibleButtons(*m_window), level);
        QCOMPARE(m_dialogs.calls().size(), 0);
        if (conversion < 0)
            return;
        QTest::mouseClick(m_window->cmdInizio(conversion), Qt::LeftButton);
        ExportWindow* exportWindow = m_window->ActiveExportWindow();
        QVERIFY(exportWindow);
        QCOMPARE(m_job.SourceFileLocation, path);
        bool listed = false;
        for (const QComboBox* list : exportWindow->findChildren<QComboBox*>())
            listed = listed || list->currentText() == path;
        QVERIFY(listed);
    }

    // A file no form reads leaves the first level, even after a file that opened a family.
    void unreadableFileIsReported()
    {
        const QString bookmarks =
            test::writeFile(m_home->path() + u"/bookmarks.html"_s,
                            test::readFixture(u"bookmark-file/firefox_export/input.html"_s));
        const QString text = test::writeFile(m_home->path() + u"/notes.html"_s, "Just notes.\n");
        const QString missing = m_home->path() + u"/gone.adr"_s;
        const struct
        {
            QString path;
            QString title;
            QString reason;
        } cases[] = {
            {text, u"Unknown Bookmark File"_s,
             u"The Selected File Is Not a Bookmark File Orvalink Can Read."_s},
            {missing, u"Bookmark File Does Not Exist"_s,
             u"The Selected Bookmark File Does Not Exist."_s},
        };
        for (const auto& each : cases) {
            m_window->openSource(bookmarks);
            m_dialogs.clear();
            m_window->openSource(each.path);
            QCOMPARE(visibleButtons(*m_window), kFirstLevel);
            QCOMPARE(m_dialogs.count(ScriptedDialogs::Kind::Message), 1);
            const UserMessage shown = m_dialogs.last(ScriptedDialogs::Kind::Message).message;
            QCOMPARE(shown.title, each.title);
            QCOMPARE(shown.lines, (QStringList{each.path, each.reason}));
        }
        // The file given before is forgotten: the next window starts as it always did.
        m_window->cmdInizio_Click(1);
        m_window->cmdInizio_Click(8);
        QVERIFY(m_job.SourceFileLocation.isEmpty());
    }

    // What a drag brings opens as a given file does; a folder opens the Favorites conversions,
    // and the Favorites window starts with that folder.
    void droppedFileOrFolderOpensItsFamily()
    {
        const QString favorites = m_home->path() + u"/drop/Favorites"_s;
        QVERIFY(!test::writeFile(favorites + u"/Home.url"_s,
                                 "[InternetShortcut]\r\nURL=https://home.example/\r\n")
                     .isEmpty());
        const auto drop = [this](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            const QPoint centre = m_window->rect().center();
            QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window.get(), &enter);
            QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window.get(), &dropped);
            return enter.isAccepted() && dropped.isAccepted();
        };
        QVERIFY(drop(favorites));
        QCOMPARE(visibleButtons(*m_window), (QList<int>{3, 4, 5, 6, 14}));
        QCOMPARE(m_dialogs.calls().size(), 0);

        QTest::mouseClick(m_window->cmdInizio(4), Qt::LeftButton);
        ExportWindow* exportWindow = m_window->ActiveExportWindow();
        QVERIFY(exportWindow);
        QCOMPARE(m_job.IELocation, favorites);
        const auto* field = exportWindow->findChild<QLineEdit*>(u"txtIELoc"_s);
        QVERIFY(field);
        QCOMPARE(field->text(), favorites);
    }

private:
    std::unique_ptr<FreshHome> m_home;
    TestDialogs m_dialogs;
    Job m_job;
    std::unique_ptr<Form1> m_window;
};

ORVALINK_GUI_TEST(OpenSourceTest)

#include "open_source_test.moc"
