#include "model/job.h"
#include "settings/csetting.h"
#include "tests/gui/support/gui_test_support.h"
#include "windows/window_settings.h"

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
using namespace Qt::Literals::StringLiterals;
using test::itemTexts;

namespace {

const QString kSettings = u"Settings"_s;
const QString kPosition = u"Position"_s;

QString stored(const QString& key, const QString& section = kSettings)
{
    return CSetting().GetSettingStr(section, key, u"<missing>"_s).valueOr(QString());
}

void store(const QString& key, const QString& value, const QString& section = kSettings)
{
    CSetting options;
    QVERIFY(options.SaveSettingStr(section, key, value).ok());
}

// A window with the named controls, as in the real windows: "chk..." check boxes, "cbo..."
// combo boxes, "...opt..." option buttons (those named alike, "optWhere(0)" and "optWhere(1)",
// or "optOldErase" and "optOldMerge", share a group) and line edits for the rest.
struct Window
{
    explicit Window(const QStringList& names)
    {
        new QVBoxLayout(&widget);
        for (const QString& name : names) {
            QWidget* control = nullptr;
            if (name.startsWith(u"chk"_s)) {
                control = new QCheckBox(name, &widget);
            } else if (name.contains(u"opt"_s)) {
                const QString group = name.contains(QLatin1Char('('))
                                          ? name.section(QLatin1Char('('), 0, 0)
                                          : name.left(6);
                if (!groups.contains(group))
                    groups.insert(group, new QButtonGroup(&widget));
                control = new QRadioButton(name, &widget);
                groups.value(group)->addButton(static_cast<QRadioButton*>(control));
            } else if (name.startsWith(u"cbo"_s)) {
                control = new QComboBox(&widget);
            } else {
                control = new QLineEdit(&widget);
            }
            control->setObjectName(name);
            widget.layout()->addWidget(control);
        }
        widget.resize(400, 300);
    }
    template <typename T = QRadioButton> T* get(const QString& name)
    {
        return widget.findChild<T*>(name);
    }
    bool checked(const QString& name)
    {
        auto* box = widget.findChild<QAbstractButton*>(name);
        return box->isChecked();
    }
    QWidget widget;
    QHash<QString, QButtonGroup*> groups;
};

const QStringList kWriterOptions = {u"chkBackup"_s,   u"chkLinksBefore"_s, u"optOldErase"_s,
                                    u"optOldMerge"_s, u"optWhere(0)"_s,    u"optWhere(1)"_s};

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
        const auto part = [&](double share) {
            return screen.topLeft() +
                   QPoint(qRound(screen.width() * share), qRound(screen.height() * share));
        };
        Job job;
        Window main({});
        main.widget.resize(272, 200);
        LoadWindowSettings(m_home->settings(), 1, main.widget, job);
        QCOMPARE(main.widget.pos(), part(1 / 3.0));
        Window selection({});
        LoadWindowSettings(m_home->settings(), 3, selection.widget, job);
        QCOMPARE(selection.widget.geometry(), QRect(50, 100, 700, 400));

        Window exporter(kWriterOptions);
        LoadWindowSettings(m_home->settings(), 2, exporter.widget, job);
        QCOMPARE(exporter.widget.pos(), part(1 / 5.0));
        QVERIFY(exporter.checked(u"chkBackup"_s) && !exporter.checked(u"chkLinksBefore"_s));
        QVERIFY(exporter.checked(u"optOldMerge"_s) && exporter.checked(u"optWhere(1)"_s));
        // Reading creates no options file.
        QVERIFY(!QFile::exists(m_home->optionsFile()));
    }

    void optionsRoundTripAndAreShared()
    {
        Job job;
        Window favorites(kWriterOptions + QStringList{u"txtIELoc"_s});
        LoadWindowSettings(m_home->settings(), 2, favorites.widget, job);
        for (const QString& name : {u"chkLinksBefore"_s, u"optOldErase"_s, u"optWhere(0)"_s})
            favorites.get<QAbstractButton>(name)->setChecked(true);
        favorites.get<QCheckBox>(u"chkBackup"_s)->setChecked(false);
        favorites.get<QLineEdit>(u"txtIELoc"_s)->setText(files());
        favorites.widget.move(100, 120);
        SaveWindowSettings(m_home->settings(), 2, favorites.widget);
        // Check boxes store 0/1, option buttons -1/0; positions are in twips.
        const QStringList keys = {u"Backup"_s,   u"LinksBefore"_s, u"OldErase"_s,
                                  u"OldMerge"_s, u"0Where"_s,      u"1Where"_s};
        QStringList values;
        for (const QString& key : keys)
            values.append(stored(key));
        QCOMPARE(values, QStringList({u"0"_s, u"1"_s, u"-1"_s, u"0"_s, u"-1"_s, u"0"_s}));
        QCOMPARE(stored(u"SecLeft"_s, kPosition), u"1500"_s);
        QCOMPARE(stored(u"MainLeft"_s, kPosition), u"<missing>"_s);

        // The Firefox-Opera window finds the same choices and position.
        Window exchange(kWriterOptions);
        LoadWindowSettings(m_home->settings(), 8, exchange.widget, job);
        QCOMPARE(exchange.widget.pos(), QPoint(100, 120));
        QVERIFY(!exchange.checked(u"chkBackup"_s) && exchange.checked(u"optOldErase"_s));
        QVERIFY(!exchange.checked(u"optOldMerge"_s) && exchange.checked(u"optWhere(0)"_s));
        QVERIFY(job.IELocation.isEmpty());

        // A window lacking controls saves what it has; the Favorites folder is taken only while
        // it exists.
        Window sparse({u"chkBackup"_s});
        sparse.get<QCheckBox>(u"chkBackup"_s)->setChecked(true);
        SaveWindowSettings(m_home->settings(), 7, sparse.widget);
        QCOMPARE(stored(u"Backup"_s), u"1"_s);
        QCOMPARE(stored(u"OldErase"_s), u"-1"_s);
        LoadWindowSettings(m_home->settings(), 7, sparse.widget, job);
        QCOMPARE(job.IELocation, files());
        store(u"FavLocation"_s, files() + u"/gone"_s);
        Job fresh;
        LoadWindowSettings(m_home->settings(), 2, sparse.widget, fresh);
        QVERIFY(fresh.IELocation.isEmpty());
    }

    void importWindowKeepsItsWhereChoice()
    {
        Job job;
        Window window({u"NNoptWhere(0)"_s, u"NNoptWhere(1)"_s, u"NNoptWhere(2)"_s});
        auto* root = window.get(u"NNoptWhere(0)"_s);
        auto* newFolder = window.get(u"NNoptWhere(1)"_s);
        window.get(u"NNoptWhere(2)"_s)->setChecked(true);
        SaveWindowSettings(m_home->settings(), 9, window.widget);
        QCOMPARE(stored(u"WhereRoot"_s), u"0"_s);
        QCOMPARE(stored(u"WhereNew"_s), u"0"_s);
        // The new folder is chosen whenever the top level is not.
        LoadWindowSettings(m_home->settings(), 4, window.widget, job);
        QVERIFY(!root->isChecked() && newFolder->isChecked());
        root->setChecked(true);
        SaveWindowSettings(m_home->settings(), 9, window.widget);
        newFolder->setChecked(true);
        LoadWindowSettings(m_home->settings(), 9, window.widget, job);
        QVERIFY(root->isChecked() && !newFolder->isChecked());
    }

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
        store(u"MainLeft"_s, u"30000"_s, kPosition);
        store(u"MainTop"_s, u"-300"_s, kPosition);
        Job job;
        Window main({});
        main.widget.resize(272, 200);
        LoadWindowSettings(m_home->settings(), 1, main.widget, job);
        QCOMPARE(main.widget.pos(), QPoint(area.right() + 1 - 272, area.top()));
    }

    void historiesKeepExistingFiles()
    {
        const QString kept = touch(u"bookmarks.html"_s);
        const QString other = touch(u"other.html"_s);
        const QString profiled = u"<default> "_s + kept;
        store(u"0NNLocation"_s, files() + u"/deleted.html"_s);
        store(u"1NNLocation"_s, profiled);
        store(u"2NNLocation"_s, other);
        store(u"3NNLocation"_s, u"<work> /no/such/file.html"_s);
        QComboBox list;
        list.addItem(u"- Please Select a Bookmark File -"_s);
        QSignalSpy changed(&list, &QComboBox::currentIndexChanged);
        LoadBookmarkFileHistory(m_home->settings(), list);
        QCOMPARE(itemTexts(list), QStringList({list.itemText(0), profiled, other}));
        // Entry 0 is gone, so nothing is selected.
        QCOMPARE(changed.size(), 0);

        // Saved after the placeholder: eight items fill keys 0 to 6; five come back.
        for (int i = 3; i <= 7; ++i)
            list.addItem(touch(u"b%1.html"_s.arg(i)));
        SaveBookmarkFileHistory(m_home->settings(), list);
        QCOMPARE(stored(u"0NNLocation"_s), profiled);
        QCOMPARE(stored(u"6NNLocation"_s), list.itemText(7));
        QCOMPARE(stored(u"7NNLocation"_s), u"<missing>"_s);
        QComboBox reloaded;
        reloaded.addItem(list.itemText(0));
        LoadBookmarkFileHistory(m_home->settings(), reloaded);
        QCOMPARE(itemTexts(reloaded), itemTexts(list).mid(0, 6));
        QCOMPARE(reloaded.currentIndex(), 1);

        // Discovered hotlists ("<...") are not kept; the keys count the entries written.
        const QString hotlist = touch(u"opera6.adr"_s);
        const QString browsed = touch(u"browsed.adr"_s);
        QComboBox hotlists;
        hotlists.addItems({u"placeholder"_s, u"<Opera> "_s + hotlist, browsed, hotlist});
        SaveHotlistHistory(m_home->settings(), hotlists);
        QCOMPARE(stored(u"0OperaHotlist"_s), browsed);
        QCOMPARE(stored(u"1OperaHotlist"_s), hotlist);
        QCOMPARE(stored(u"2OperaHotlist"_s), QString());
    }

    void windowsUseTheirHistories()
    {
        const QString bookmarks = touch(u"bookmarks.html"_s);
        const QString hotlist = touch(u"hotlist.adr"_s);
        store(u"0NNLocation"_s, bookmarks);
        store(u"0OperaHotlist"_s, hotlist);
        Job job;
        Window exchange({u"cboFromLoc"_s, u"cboNNLoc"_s});
        auto* from = exchange.get<QComboBox>(u"cboFromLoc"_s);
        auto* to = exchange.get<QComboBox>(u"cboNNLoc"_s);
        from->addItem(u"from"_s);
        to->addItem(u"to"_s);
        LoadWindowSettings(m_home->settings(), 10, exchange.widget, job);
        QCOMPARE(from->currentText(), hotlist);
        QCOMPARE(to->currentText(), bookmarks);
        // Mode 8 is the other way round.
        from->setItemText(1, touch(u"new.html"_s));
        to->setItemText(1, touch(u"new.adr"_s));
        SaveWindowSettings(m_home->settings(), 8, exchange.widget);
        QCOMPARE(stored(u"0NNLocation"_s), from->itemText(1));
        QCOMPARE(stored(u"0OperaHotlist"_s), to->itemText(1));

        // Menu pages: a new file in an existing folder counts; the first is the job's page.
        const QString newPage = files() + u"/new-menu.html"_s;
        store(u"0MenuLocation"_s, newPage);
        store(u"1MenuLocation"_s, files() + u"/no folder/menu.html"_s);
        store(u"2MenuLocation"_s, bookmarks);
        Window menu({u"cboDHTMLLoc"_s});
        auto* pages = menu.get<QComboBox>(u"cboDHTMLLoc"_s);
        LoadMenuLocationHistory(m_home->settings(), menu.widget, job);
        QCOMPARE(itemTexts(*pages), QStringList({newPage, bookmarks}));
        QCOMPARE(job.MenuFileLocation, newPage);
        // This list has no placeholder: items 0 to 4 are kept.
        for (int i = 0; i < 4; ++i)
            pages->addItem(u"/tmp/page%1.html"_s.arg(i));
        SaveMenuLocationHistory(m_home->settings(), menu.widget);
        QCOMPARE(stored(u"4MenuLocation"_s), u"/tmp/page2.html"_s);
        QCOMPARE(stored(u"5MenuLocation"_s), u"<missing>"_s);
    }

    void unreadableOptionsGiveDefaults()
    {
        // An options "file" that is a folder can be neither read nor written, not even by root:
        // the window opens with the defaults and closes without a word.
        QVERIFY(QDir().mkpath(m_home->optionsFile()));
        Job job;
        Window window(kWriterOptions + QStringList{u"cboNNLoc"_s});
        window.get<QComboBox>(u"cboNNLoc"_s)->addItems({u"pick"_s, touch(u"x.html"_s)});
        window.get(u"optOldErase"_s)->setChecked(true);
        LoadWindowSettings(m_home->settings(), 2, window.widget, job);
        QVERIFY(window.checked(u"chkBackup"_s) && window.checked(u"optOldMerge"_s));
        SaveWindowSettings(m_home->settings(), 2, window.widget);
        QVERIFY(QFileInfo(m_home->optionsFile()).isDir());
    }

private:
    QString files() const { return m_home->path() + u"/files"_s; }

    QString touch(const QString& name) const
    {
        return test::writeFile(files() + QLatin1Char('/') + name, {});
    }

    std::unique_ptr<test::FreshHome> m_home;
};

ORVALINK_GUI_TEST(WindowSettingsTest)
#include "window_settings_test.moc"
