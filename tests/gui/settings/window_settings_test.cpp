#include "model/job.h"
#include "settings/csetting.h"
#include "settings/window_settings.h"
#include "tests/gui/support/gui_test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace orvalink;

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kPosition = QStringLiteral("Position");

QString stored(const QString& section, const QString& key)
{
    CSetting store;
    return store.GetSettingStr(section, key, QStringLiteral("<missing>")).valueOr(QString());
}

void store(const QString& key, const QString& value, const QString& section = kSettings)
{
    CSetting options;
    QVERIFY(options.SaveSettingStr(section, key, value).ok());
}

// A window with the named controls; option buttons named alike ("optWhere(0)", "optWhere(1)")
// share a group, as in the real windows.
struct Window
{
    explicit Window(const QStringList& names)
    {
        new QVBoxLayout(&widget);
        for (const QString& name : names) {
            QWidget* control = nullptr;
            if (name.startsWith(QStringLiteral("chk")))
                control = new QCheckBox(name, &widget);
            else if (name.contains(QStringLiteral("opt")))
                control = option(name);
            else if (name.startsWith(QStringLiteral("cbo")))
                control = new QComboBox(&widget);
            else
                control = new QLineEdit(&widget);
            control->setObjectName(name);
            widget.layout()->addWidget(control);
        }
        widget.resize(400, 300);
    }
    template <typename T = QRadioButton> T* get(const QString& name)
    {
        return widget.findChild<T*>(name);
    }
    QRadioButton* option(const QString& name)
    {
        // "optWhere(0)" and "optWhere(1)" form a group, as do "optOldErase" and "optOldMerge".
        const QString group =
            name.contains(QLatin1Char('(')) ? name.section(QLatin1Char('('), 0, 0) : name.left(6);
        if (!groups.contains(group))
            groups.insert(group, new QButtonGroup(&widget));
        auto* button = new QRadioButton(name, &widget);
        groups.value(group)->addButton(button);
        return button;
    }
    QWidget widget;
    QHash<QString, QButtonGroup*> groups;
};

const QStringList kWriterOptions = {QStringLiteral("chkBackup"),   QStringLiteral("chkLinksBefore"),
                                    QStringLiteral("optOldErase"), QStringLiteral("optOldMerge"),
                                    QStringLiteral("optWhere(0)"), QStringLiteral("optWhere(1)")};

QStringList items(const QComboBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.itemText(i));
    return texts;
}

} // namespace

class WindowSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<test::FreshHome>();
        QVERIFY(QDir().mkpath(files()));
    }

    void cleanup() { m_home.reset(); }

    void firstStartUsesDefaults()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Job job;
        Window main({});
        main.widget.resize(272, 200);
        LoadWindowSettings(1, main.widget, job);
        QCOMPARE(main.widget.pos(), screen.topLeft() + QPoint(qRound(screen.width() / 3.0),
                                                              qRound(screen.height() / 3.0)));
        Window selection({});
        LoadWindowSettings(3, selection.widget, job);
        QCOMPARE(selection.widget.geometry(), QRect(50, 100, 700, 400));

        Window exporter(kWriterOptions);
        LoadWindowSettings(2, exporter.widget, job);
        QCOMPARE(exporter.widget.pos(), screen.topLeft() + QPoint(qRound(screen.width() / 5.0),
                                                                  qRound(screen.height() / 5.0)));
        QVERIFY(exporter.get<QCheckBox>(QStringLiteral("chkBackup"))->isChecked());
        QVERIFY(!exporter.get<QCheckBox>(QStringLiteral("chkLinksBefore"))->isChecked());
        QVERIFY(exporter.get(QStringLiteral("optOldMerge"))->isChecked());
        QVERIFY(exporter.get(QStringLiteral("optWhere(1)"))->isChecked());
        // Reading creates no options file.
        QVERIFY(!QFile::exists(m_home->optionsFile()));
    }

    void optionsRoundTripAndAreShared()
    {
        Job job;
        Window favorites(kWriterOptions + QStringList{QStringLiteral("txtIELoc")});
        LoadWindowSettings(2, favorites.widget, job);
        favorites.get<QCheckBox>(QStringLiteral("chkBackup"))->setChecked(false);
        favorites.get<QCheckBox>(QStringLiteral("chkLinksBefore"))->setChecked(true);
        favorites.get(QStringLiteral("optOldErase"))->setChecked(true);
        favorites.get(QStringLiteral("optWhere(0)"))->setChecked(true);
        favorites.get<QLineEdit>(QStringLiteral("txtIELoc"))->setText(files());
        favorites.widget.move(100, 120);
        SaveWindowSettings(2, favorites.widget);
        const QStringList expected = {QStringLiteral("0"),  QStringLiteral("1"),
                                      QStringLiteral("-1"), QStringLiteral("0"),
                                      QStringLiteral("-1"), QStringLiteral("0")};
        const QStringList keys = {QStringLiteral("Backup"),   QStringLiteral("LinksBefore"),
                                  QStringLiteral("OldErase"), QStringLiteral("OldMerge"),
                                  QStringLiteral("0Where"),   QStringLiteral("1Where")};
        for (qsizetype i = 0; i < keys.size(); ++i)
            QCOMPARE(stored(kSettings, keys[i]), expected[i]);
        QCOMPARE(stored(kPosition, QStringLiteral("SecLeft")), QStringLiteral("1500"));

        // The Firefox-Opera window finds the same choices and position.
        Window exchange(kWriterOptions);
        LoadWindowSettings(8, exchange.widget, job);
        QCOMPARE(exchange.widget.pos(), QPoint(100, 120));
        QVERIFY(!exchange.get<QCheckBox>(QStringLiteral("chkBackup"))->isChecked());
        QVERIFY(exchange.get(QStringLiteral("optOldErase"))->isChecked());
        QVERIFY(!exchange.get(QStringLiteral("optOldMerge"))->isChecked());
        QVERIFY(exchange.get(QStringLiteral("optWhere(0)"))->isChecked());
        QVERIFY(job.IELocation.isEmpty());
        QCOMPARE(stored(kPosition, QStringLiteral("MainLeft")), QStringLiteral("<missing>"));

        // A window lacking controls saves what it has; the Favorites folder is taken only while
        // it exists.
        Window sparse({QStringLiteral("chkBackup")});
        sparse.get<QCheckBox>(QStringLiteral("chkBackup"))->setChecked(true);
        SaveWindowSettings(7, sparse.widget);
        QCOMPARE(stored(kSettings, QStringLiteral("Backup")), QStringLiteral("1"));
        QCOMPARE(stored(kSettings, QStringLiteral("OldErase")), QStringLiteral("-1"));
        LoadWindowSettings(7, sparse.widget, job);
        QCOMPARE(job.IELocation, files());
        store(QStringLiteral("FavLocation"), files() + QStringLiteral("/gone"));
        Job fresh;
        LoadWindowSettings(2, sparse.widget, fresh);
        QVERIFY(fresh.IELocation.isEmpty());
    }

    void importWindowKeepsItsWhereChoice()
    {
        Job job;
        Window window({QStringLiteral("NNoptWhere(0)"), QStringLiteral("NNoptWhere(1)"),
                       QStringLiteral("NNoptWhere(2)")});
        auto* root = window.get(QStringLiteral("NNoptWhere(0)"));
        auto* newFolder = window.get(QStringLiteral("NNoptWhere(1)"));
        window.get(QStringLiteral("NNoptWhere(2)"))->setChecked(true);
        SaveWindowSettings(9, window.widget);
        QCOMPARE(stored(kSettings, QStringLiteral("WhereRoot")), QStringLiteral("0"));
        QCOMPARE(stored(kSettings, QStringLiteral("WhereNew")), QStringLiteral("0"));
        // The new folder is chosen whenever the top level is not.
        LoadWindowSettings(4, window.widget, job);
        QVERIFY(!root->isChecked() && newFolder->isChecked());
        root->setChecked(true);
        SaveWindowSettings(9, window.widget);
        newFolder->setChecked(true);
        LoadWindowSettings(9, window.widget, job);
        QVERIFY(root->isChecked() && !newFolder->isChecked());
    }

    void placeWindowKeepsTheWindowOnItsScreen()
    {
        // On a 15360-twip (1024-pixel) screen, a left of 30000 twips ends flush right; a window
        // wider than the screen ends with a negative left edge; a second screen counts from its
        // own left edge.
        const QRect screen(0, 0, 1024, 768);
        QCOMPARE(keptOnScreen(screen, QSize(300, 200), QPoint(2000, -5)), QPoint(724, 0));
        QCOMPARE(keptOnScreen(screen, QSize(1100, 200), QPoint(10, 10)), QPoint(-76, 10));
        QCOMPARE(keptOnScreen(QRect(1024, 0, 800, 600), QSize(300, 200), QPoint(1000, 50)),
                 QPoint(1024, 50));

        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        store(QStringLiteral("MainLeft"), QStringLiteral("30000"), kPosition);
        store(QStringLiteral("MainTop"), QStringLiteral("-300"), kPosition);
        Job job;
        Window main({});
        main.widget.resize(272, 200);
        LoadWindowSettings(1, main.widget, job);
        QCOMPARE(main.widget.pos(), QPoint(area.right() + 1 - 272, area.top()));
    }

    void historiesKeepExistingFiles()
    {
        const QString kept = touch(QStringLiteral("bookmarks.html"));
        const QString other = touch(QStringLiteral("other.html"));
        const QString profiled = QStringLiteral("<default> ") + kept;
        store(QStringLiteral("0NNLocation"), files() + QStringLiteral("/deleted.html"));
        store(QStringLiteral("1NNLocation"), profiled);
        store(QStringLiteral("2NNLocation"), other);
        store(QStringLiteral("3NNLocation"), QStringLiteral("<work> /no/such/file.html"));
        QComboBox list;
        list.addItem(QStringLiteral("- Please Select a Bookmark File -"));
        QSignalSpy changed(&list, &QComboBox::currentIndexChanged);
        LoadBookmarkFileHistory(list);
        QCOMPARE(items(list), QStringList({list.itemText(0), profiled, other}));
        // Entry 0 is gone, so nothing is selected.
        QCOMPARE(changed.size(), 0);

        // Saved after the placeholder: eight items fill keys 0 to 6; five come back.
        for (int i = 3; i <= 7; ++i)
            list.addItem(touch(QStringLiteral("b%1.html").arg(i)));
        SaveBookmarkFileHistory(list);
        QCOMPARE(stored(kSettings, QStringLiteral("0NNLocation")), profiled);
        QCOMPARE(stored(kSettings, QStringLiteral("6NNLocation")), list.itemText(7));
        QCOMPARE(stored(kSettings, QStringLiteral("7NNLocation")), QStringLiteral("<missing>"));
        QComboBox reloaded;
        reloaded.addItem(QStringLiteral("placeholder"));
        LoadBookmarkFileHistory(reloaded);
        QCOMPARE(items(reloaded), items(list).mid(0, 6).replaceInStrings(
                                      list.itemText(0), QStringLiteral("placeholder")));
        QCOMPARE(reloaded.currentIndex(), 1);

        // Discovered hotlists ("<...") are not kept; the keys count the entries written.
        const QString hotlist = touch(QStringLiteral("opera6.adr"));
        const QString browsed = touch(QStringLiteral("browsed.adr"));
        QComboBox hotlists;
        hotlists.addItems({QStringLiteral("placeholder"), QStringLiteral("<Opera> ") + hotlist,
                           browsed, hotlist});
        SaveHotlistHistory(hotlists);
        QCOMPARE(stored(kSettings, QStringLiteral("0OperaHotlist")), browsed);
        QCOMPARE(stored(kSettings, QStringLiteral("1OperaHotlist")), hotlist);
        QCOMPARE(stored(kSettings, QStringLiteral("2OperaHotlist")), QString());
    }

    void windowsUseTheirHistories()
    {
        const QString bookmarks = touch(QStringLiteral("bookmarks.html"));
        const QString hotlist = touch(QStringLiteral("hotlist.adr"));
        store(QStringLiteral("0NNLocation"), bookmarks);
        store(QStringLiteral("0OperaHotlist"), hotlist);
        Job job;
        Window exchange({QStringLiteral("cboFromLoc"), QStringLiteral("cboNNLoc")});
        auto* from = exchange.get<QComboBox>(QStringLiteral("cboFromLoc"));
        auto* to = exchange.get<QComboBox>(QStringLiteral("cboNNLoc"));
        from->addItem(QStringLiteral("from"));
        to->addItem(QStringLiteral("to"));
        LoadWindowSettings(10, exchange.widget, job);
        QCOMPARE(from->currentText(), hotlist);
        QCOMPARE(to->currentText(), bookmarks);
        // Mode 8 is the other way round.
        from->setItemText(1, touch(QStringLiteral("new.html")));
        to->setItemText(1, touch(QStringLiteral("new.adr")));
        SaveWindowSettings(8, exchange.widget);
        QCOMPARE(stored(kSettings, QStringLiteral("0NNLocation")), from->itemText(1));
        QCOMPARE(stored(kSettings, QStringLiteral("0OperaHotlist")), to->itemText(1));

        // Menu pages: a new file in an existing folder counts; the first is the job's page.
        const QString newPage = files() + QStringLiteral("/new-menu.html");
        store(QStringLiteral("0MenuLocation"), newPage);
        store(QStringLiteral("1MenuLocation"), files() + QStringLiteral("/no folder/menu.html"));
        store(QStringLiteral("2MenuLocation"), bookmarks);
        Window menu({QStringLiteral("cboDHTMLLoc")});
        auto* pages = menu.get<QComboBox>(QStringLiteral("cboDHTMLLoc"));
        LoadMenuLocationHistory(menu.widget, job);
        QCOMPARE(items(*pages), QStringList({newPage, bookmarks}));
        QCOMPARE(job.MenuFileLocation, newPage);
        for (int i = 0; i < 4; ++i)
            pages->addItem(QStringLiteral("/tmp/page%1.html").arg(i));
        SaveMenuLocationHistory(menu.widget);
        QCOMPARE(stored(kSettings, QStringLiteral("4MenuLocation")),
                 QStringLiteral("/tmp/page2.html"));
        QCOMPARE(stored(kSettings, QStringLiteral("5MenuLocation")), QStringLiteral("<missing>"));
    }

    void unreadableOptionsGiveDefaults()
    {
        // An options "file" that is a folder can be neither read nor written, not even by root:
        // the window opens with the defaults and closes without a word.
        QVERIFY(QDir().mkpath(m_home->optionsFile()));
        Job job;
        Window window(kWriterOptions + QStringList{QStringLiteral("cboNNLoc")});
        window.get<QComboBox>(QStringLiteral("cboNNLoc"))
            ->addItems({QStringLiteral("pick"), touch(QStringLiteral("x.html"))});
        window.get(QStringLiteral("optOldErase"))->setChecked(true);
        LoadWindowSettings(2, window.widget, job);
        QVERIFY(window.get<QCheckBox>(QStringLiteral("chkBackup"))->isChecked());
        QVERIFY(window.get(QStringLiteral("optOldMerge"))->isChecked());
        SaveWindowSettings(2, window.widget);
        QVERIFY(QFileInfo(m_home->optionsFile()).isDir());
    }

private:
    QString files() const { return m_home->path() + QStringLiteral("/files"); }

    QString touch(const QString& name) const
    {
        QFile file(files() + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    std::unique_ptr<test::FreshHome> m_home;
};

ORVALINK_GUI_TEST(WindowSettingsTest)
#include "window_settings_test.moc"
