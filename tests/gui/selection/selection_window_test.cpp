// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/form_table.h"
#include "selection/selection_window.h"
#include "tests/gui/support/gui_test_support.h"
#include "windows/export_window.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>
#include <tuple>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

namespace {

// Folder rows of the sample source below.
constexpr int kRoot = 0;
constexpr int kNews = 1;
constexpr int kDeep = 2;
constexpr int kAlpha = 3;

// Bookmarks: News (n1, n2, Deep (d1)), Alpha (empty), zeta, Beta: three folders below the root,
// five links. The root's entries carry dates, noon of New Year's Day of 2001 to 2004, so that the
// date sort has something to order.
std::unique_ptr<BookmarkModel> sampleSource()
{
    return parseBookmarkText(test::readFixture(u"samples/selection.html"_s),
                             u"/nowhere/bookmarks.html"_s);
}

// Bookmarks: the folders "Folder 10", "Folder 2" and "folder 1", then links named with numbers,
// all in the root.
std::unique_ptr<BookmarkModel> numberedSource()
{
    QByteArray text =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>B</TITLE><H1>Bookmarks</H1>\n<DL><p>\n";
    for (const char* folder : {"Folder 10", "Folder 2", "folder 1"})
        text += "<DT><H3>"_ba + folder + "</H3>\n<DL><p>\n</DL><p>\n";
    for (const char* link : {"Item 10", "item 9", "Item 100"})
        text += "<DT><A HREF=\"https://example.com/\">"_ba + link + "</A>\n";
    return parseBookmarkText(text + "</DL><p>\n", u"/nowhere/n.html"_s);
}

// A click on an item's check box, where the item delegate looks for it.
void clickCheckBox(QTreeView& view, const QModelIndex& index)
{
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = view.visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box =
        view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, box.center());
}

// A double click as the system delivers it: a click, then the double click.
void doubleClick(QTreeView& view, const QModelIndex& index)
{
    const QPoint at = view.visualRect(index).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
}

void clickHeader(QTreeView& list, int section)
{
    QHeaderView* header = list.header();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// "a b c" as a list.
QStringList names(const char* spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The entry list's names in the order shown.
QStringList listedNames(QTreeView& list)
{
    QStringList shown;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        shown.append(list.model()->index(row, 0).data().toString());
    return shown;
}

// The item of a view (list row or tree node, at any depth) showing this name.
QModelIndex item(QTreeView& view, const char* name, int column = 0)
{
    const QModelIndexList found =
        view.model()->match(view.model()->index(0, 0), Qt::DisplayRole, QLatin1String(name), 1,
                            Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? QModelIndex() : found.first().siblingAtColumn(column);
}

bool isBold(const QModelIndex& index)
{
    return index.data(Qt::FontRole).value<QFont>().bold();
}

bool isChecked(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

// What a view shows of a model: each item's check and bold mark as read when the model last
// announced the item (dataChanged, a reset or a new layout), not as the model holds them now.
class ShownItems : public QObject
{
public:
    explicit ShownItems(QAbstractItemModel& model)
        : m_model(model)
    {
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                        read(m_model.index(row, 0, topLeft.parent()));
                });
        connect(&model, &QAbstractItemModel::modelReset, this, [this] { readAll(); });
        connect(&model, &QAbstractItemModel::layoutChanged, this, [this] { readAll(); });
        readAll();
    }

    // The items whose shown state is not the model's state now.
    QStringList stale() const
    {
        QStringList found;
        walk({}, [&](const QModelIndex& index) {
            if (m_shown.value(index) != state(index))
                found.append(index.data().toString());
        });
        return found;
    }

private:
    static QString state(const QModelIndex& index)
    {
        return u"%1/%2"_s.arg(index.data(Qt::CheckStateRole).toInt()).arg(isBold(index));
    }
    void read(const QModelIndex& index) { m_shown.insert(index, state(index)); }
    void readAll()
    {
        walk({}, [&](const QModelIndex& index) { read(index); });
    }
    template <typename Visit> void walk(const QModelIndex& parent, Visit visit) const
    {
        for (int row = 0; row < m_model.rowCount(parent); ++row) {
            const QModelIndex index = m_model.index(row, 0, parent);
            visit(index);
            walk(index, visit);
        }
    }

    QAbstractItemModel& m_model;
    QHash<QPersistentModelIndex, QString> m_shown;
};

// A job with a loaded source and an export window; open() shows the selection window over it,
// not modal, so that the test can drive it.
struct Fixture
{
    explicit Fixture(std::unique_ptr<BookmarkModel> loaded = sampleSource(), int folders = 3,
                     int links = 5)
    {
        job.mode = ExportMode::FirefoxToOpera;
        job.SourceFileLocation = loaded->location();
        job.TotalFolderCount = folders;
        job.TotalLinkCount = links;
        job.setSource(std::move(loaded));
        host = std::make_unique<ExportWindow>(job, home.settings(), dialogs);
        host->setAttribute(Qt::WA_DeleteOnClose, false);
        form = std::make_unique<Form3>(job, home.settings(), dialogs, host.get());
        form->show();
        tree = form->findChild<QTreeView*>(u"TreeView1"_s);
        list = form->findChild<QTreeView*>(u"ListView1"_s);
        shownTree = std::make_unique<ShownItems>(*tree->model());
        shownList = std::make_unique<ShownItems>(*list->model());
    }
    BookmarkModel& source() const { return *job.source(); }
    // "Selected Folders: ..." and "Selected Links: ...", joined.
    QString panels() const
    {
        const auto text = [&](int number) {
            return form->findChild<QLabel*>(u"StatusBar1.Panels(%1)"_s.arg(number))->text();
        };
        return text(1) + u" | "_s + text(2);
    }
    void trigger(const char* action) const
    {
        form->findChild<QAction*>(QLatin1String(action))->trigger();
    }
    void showFolder(const char* caption) const { tree->setCurrentIndex(item(*tree, caption)); }
    // Both views show what the source holds: every change was announced to them.
    bool viewsShowTheSource() const
    {
        return shownTree->stale().isEmpty() && shownList->stale().isEmpty();
    }

    test::FreshHome home;
    test::TestDialogs dialogs;
    Job job;
    std::unique_ptr<ExportWindow> host;
    std::unique_ptr<Form3> form;
    QTreeView* tree = nullptr;
    QTreeView* list = nullptr;
    std::unique_ptr<ShownItems> shownTree;
    std::unique_ptr<ShownItems> shownList;
};

QString panels(int folders, int links)
{
    return u"Selected Folders: %1 of 3 | Selected Links: %2 of 5"_s.arg(folders).arg(links);
}

} // namespace

class SelectionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The selection rules themselves are the model's; here: each click reaches the right rule,
    // and both views and the status panels show the result.
    void checkBoxClicksInTreeAndList()
    {
        Fixture f;
        QCOMPARE(f.panels(), panels(0, 0));
        f.showFolder("News");
        clickCheckBox(*f.list, item(*f.list, "n1"));
        QCOMPARE(f.panels(), panels(1, 1));
        QVERIFY(!isChecked(item(*f.list, "n2")));
        QVERIFY(isChecked(item(*f.tree, "News")));
        QVERIFY(isBold(item(*f.tree, "News")) && isBold(item(*f.tree, "Bookmarks")));
        QVERIFY(f.viewsShowTheSource());
        clickCheckBox(*f.list, item(*f.list, "n1"));
        QCOMPARE(f.panels(), panels(0, 0));
        QVERIFY(!isChecked(item(*f.tree, "News")) && !isBold(item(*f.tree, "Bookmarks")));
        QVERIFY(f.viewsShowTheSource());

        // The tree's check box of the folder the list shows checks its links, once each.
        clickCheckBox(*f.tree, item(*f.tree, "News"));
        QCOMPARE(f.panels(), panels(1, 2));
        QVERIFY(isChecked(item(*f.list, "n2")) && !isChecked(item(*f.list, "Deep")));
        QVERIFY(f.viewsShowTheSource());
        // The subfolder entry checks its folder, which then shows bold in the list.
        clickCheckBox(*f.list, item(*f.list, "Deep"));
        QVERIFY(isChecked(item(*f.tree, "Deep")) && isBold(item(*f.list, "Deep")));
        QCOMPARE(f.panels(), panels(2, 3));
        clickCheckBox(*f.tree, item(*f.tree, "Alpha"));
        QCOMPARE(f.panels(), panels(3, 3));
        QVERIFY(f.viewsShowTheSource());
    }

    void menuCommands()
    {
        Fixture f;
        // Folder shown, entries highlighted, command, selected folders and links after it.
        const std::tuple<const char*, const char*, const char*, int, int> steps[] = {
            {"Deep", "", "mnuFoldersCheck", 1, 1},
            // Deep already checked: two folders, not three.
            {"News", "", "mnuFoldersCheckAllSubs", 2, 3},
            {"News", "", "mnuFoldersCheckAll", 3, 5},
            {"News", "", "mnuFoldersUncheckAllSubs", 1, 2},
            {"News", "", "mnuFoldersUncheckAll", 0, 0},
            {"News", "n2 Deep", "mnuLinksCheck", 2, 2},
            {"News", "n2 Deep", "mnuLinksUncheck", 0, 0},
            // The folder's own links, not its subfolders.
            {"News", "", "mnuLinksCheckAll", 1, 2},
            {"News", "", "mnuLinksUncheckAll", 0, 0},
        };
        for (const auto& [folder, highlighted, action, folders, links] : steps) {
            f.showFolder(folder);
            for (const QString& name : names(highlighted))
                f.list->selectionModel()->select(item(*f.list, qPrintable(name)),
                                                 QItemSelectionModel::Select |
                                                     QItemSelectionModel::Rows);
            f.trigger(action);
            QVERIFY2(f.panels() == panels(folders, links), action);
            QVERIFY2(f.viewsShowTheSource(), action);
        }
    }

    void spaceOnTheFocusedRowChecksIt()
    {
        Fixture f;
        f.tree->setFocus();
        f.showFolder("Alpha");
        QTest::keyClick(f.tree, Qt::Key_Space);
        QCOMPARE(f.panels(), panels(1, 0));

        // In the list the check box answers wherever the focus sits in the row.
        f.showFolder("Bookmarks");
        f.list->setFocus();
        f.list->setCurrentIndex(item(*f.list, "zeta", 1));
        QTest::keyClick(f.list, Qt::Key_Space);
        QCOMPARE(f.panels(), panels(1, 1));
        QVERIFY(f.viewsShowTheSource());
        QTest::keyClick(f.list, Qt::Key_Space);
        QCOMPARE(f.panels(), panels(1, 0));
    }

    void folderMenuFollowsTheCurrentFolderAndThePointer()
    {
        Fixture f;
        auto shownItems = [&](auto open) {
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget* popup = QApplication::activePopupWidget();
                QVERIFY(popup);
                for (QAction* action : popup->actions()) {
                    if (action->isVisible() && action->isEnabled())
                        shown.append(action->objectName());
                }
                popup->close();
            });
            open();
            return shown;
        };
        const QStringList always = names("mnuFoldersCheckAll mnuFoldersUncheckAll "
                                         "mnuFoldersSeparator2 mnuFoldersExpandAll "
                                         "mnuFoldersCollapseAll");
        const QStringList unchecked = names("mnuFoldersCheck mnuFoldersSpearator") + always;
        auto fromMenuBar = [&] { f.form->findChild<QMenu*>(u"mnuFolderS"_s)->exec(QPoint(0, 0)); };

        f.showFolder("Alpha");
        QCOMPARE(shownItems(fromMenuBar), unchecked);
        f.showFolder("News");
        f.trigger("mnuFoldersCheck");
        QCOMPARE(shownItems(fromMenuBar), names("mnuFoldersCheckAllSubs mnuFoldersUncheck "
                                                "mnuFoldersUncheckAllSubs mnuFoldersSpearator") +
                                              always);

        // On a node the pop-up acts on that node; away from the nodes it has no folder items.
        const QPoint onAlpha = f.tree->visualRect(item(*f.tree, "Alpha")).center();
        QCOMPARE(shownItems([&] { emit f.tree->customContextMenuRequested(onAlpha); }), unchecked);
        QCOMPARE(f.form->currentFolder(), kAlpha);
        const QPoint belowNodes(5, f.tree->viewport()->height() - 5);
        QCOMPARE(shownItems([&] { emit f.tree->customContextMenuRequested(belowNodes); }), always);
    }

    void everyHeaderClickFlipsTheOrder()
    {
        Fixture f;
        QCOMPARE(listedNames(*f.list), names("Alpha News Beta zeta"));
        const auto arrow = [&](int section) {
            return !f.list->model()
                        ->headerData(section, Qt::Horizontal, Qt::DecorationRole)
                        .isNull();
        };
        QVERIFY(arrow(0));

        // The first click after opening sorts descending, even on the sorted column; the
        // highlighted entry moves with its row.
        f.list->setCurrentIndex(item(*f.list, "zeta"));
        clickHeader(*f.list, 0);
        QCOMPARE(listedNames(*f.list), names("zeta Beta News Alpha"));
        QCOMPARE(f.list->selectionModel()->selectedRows().value(0).data().toString(), u"zeta"_s);

        // Another column sorts opposite to the last click: ascending by URL, subfolders (no
        // URL) first in their row order.
        clickHeader(*f.list, 1);
        QCOMPARE(listedNames(*f.list), names("News Alpha zeta Beta"));
        QCOMPARE(f.job.ListSortColumn, 2);
        QVERIFY(!arrow(0) && arrow(1));

        // By date, subfolders come first descending and last ascending.
        clickHeader(*f.list, 2);
        QCOMPARE(listedNames(*f.list), names("Alpha News Beta zeta"));
        clickHeader(*f.list, 2);
        QCOMPARE(listedNames(*f.list), names("zeta Beta News Alpha"));

        // The order holds for the next folder; entries without a date show none.
        f.showFolder("News");
        QCOMPARE(listedNames(*f.list), names("n1 n2 Deep"));
        QCOMPARE(item(*f.list, "n1", 2).data().toString(), QString());
    }

    void namesShowInNaturalOrder()
    {
        Fixture f(numberedSource(), 3, 3);
        const QModelIndex root = f.tree->model()->index(0, 0);
        QStringList folders;
        for (int row = 0; row < f.tree->model()->rowCount(root); ++row)
            folders.append(f.tree->model()->index(row, 0, root).data().toString());
        QCOMPARE(folders, QStringList({u"folder 1"_s, u"Folder 2"_s, u"Folder 10"_s}));
        QCOMPARE(listedNames(*f.list), QStringList({u"folder 1"_s, u"Folder 2"_s, u"Folder 10"_s,
                                                    u"item 9"_s, u"Item 10"_s, u"Item 100"_s}));
        clickHeader(*f.list, 0);
        QCOMPARE(listedNames(*f.list).first(), u"Item 100"_s);
        QCOMPARE(listedNames(*f.list).last(), u"folder 1"_s);
    }

    // Every word must appear, without regard to case, in an entry's name or address. The choice
    // and the counters stay the whole source's while filtered, and clearing the field brings
    // everything back around the current folder.
    void filterNarrowsTheViewsAndKeepsTheChoice()
    {
        Fixture f;
        f.showFolder("News");
        clickCheckBox(*f.list, item(*f.list, "n1"));
        auto* field = f.form->findChild<QLineEdit*>(u"txtFilter"_s);
        QTest::keyClicks(field, u"EXAMPLE D1"_s);
        QTRY_VERIFY(!item(*f.tree, "Alpha").isValid());
        // News stays as the way to Deep, but shows none of its own entries.
        QCOMPARE(f.form->currentFolder(), kNews);
        QCOMPARE(listedNames(*f.list), QStringList());
        QVERIFY(isChecked(item(*f.tree, "News")));
        f.showFolder("Deep");
        QCOMPARE(listedNames(*f.list), names("d1"));
        clickCheckBox(*f.list, item(*f.list, "d1"));
        QCOMPARE(f.panels(), panels(2, 2));
        QVERIFY(f.viewsShowTheSource());

        // A folder the new words hide gives way to the root.
        field->setText(u"b.exa"_s);
        QTRY_COMPARE(listedNames(*f.list), names("Beta"));
        QCOMPARE(f.form->currentFolder(), kRoot);
        field->setText(u"d1"_s);
        QTRY_VERIFY(item(*f.tree, "Deep").isValid());
        f.showFolder("Deep");

        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(f.form->isVisible() && field->text().isEmpty());
        QVERIFY(item(*f.tree, "Alpha").isValid());
        QCOMPARE(f.form->currentFolder(), kDeep);
        f.showFolder("News");
        QCOMPARE(listedNames(*f.list), names("Deep n1 n2"));
        QVERIFY(isChecked(item(*f.list, "n1")) && isChecked(item(*f.list, "Deep")));
        QCOMPARE(f.panels(), panels(2, 2));
        QVERIFY(f.viewsShowTheSource());
    }

    void doubleClickOpensASubfolderInTheTreeAndALinkInTheBrowser()
    {
        Fixture f;
        doubleClick(*f.list, item(*f.list, "News", 1));
        QCOMPARE(f.form->currentFolder(), kNews);
        QCOMPARE(listedNames(*f.list), names("Deep n1 n2"));
        doubleClick(*f.list, item(*f.list, "n2", 1));
        const QList<ScriptedDialogs::Call> opened =
            f.dialogs.calls(ScriptedDialogs::Kind::OpenExternally);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].target, u"https://n2.example/"_s);
    }

    void confirmKeepsTheChoiceAndCancelThrowsItAway()
    {
        Fixture f;
        f.form.reset(); // the export window opens its own, modal
        auto answer = [&](const char* button, bool checkALink) {
            QTimer::singleShot(0, [button, checkALink] {
                auto* form = qobject_cast<Form3*>(QApplication::activeModalWidget());
                QVERIFY(form);
                if (checkALink) {
                    auto* list = form->findChild<QTreeView*>(u"ListView1"_s);
                    clickCheckBox(*list, item(*list, "zeta"));
                }
                QTest::mouseClick(form->findChild<QPushButton*>(QLatin1String(button)),
                                  Qt::LeftButton);
            });
        };

        answer("Command2", true);
        QVERIFY(f.host->showSelection());
        QCOMPARE(f.job.source()->SelectedLinkCount(), 1);
        QVERIFY(f.host->selectionWindow() != nullptr);

        answer("cmdCancel", false);
        QVERIFY(!f.host->showSelection());
        QVERIFY(f.job.source() == nullptr && f.host->selectionWindow() == nullptr);

        // Closing the export window with a confirmed selection drops both cleanly.
        f.job.setSource(sampleSource());
        answer("Command2", false);
        QVERIFY(f.host->showSelection());
        f.host->close();
        QVERIFY(f.job.source() == nullptr && f.host->selectionWindow() == nullptr);
    }

    void checkAllFoldersListsAndCountsAFavoritesFolder()
    {
        const QString favorites = QStringLiteral(ORVALINK_SOURCE_DIR "/examples/Favorites");
        Progress quiet;
        const SourceCounts counts = formOf(FormId::Favorites).count(favorites, quiet);
        Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded =
            formOf(FormId::Favorites).load(favorites, counts.folders, quiet);
        QVERIFY(loaded.ok());
        Fixture f(std::move(loaded.value()), counts.folders, counts.links);
        QCOMPARE(f.tree->model()->index(0, 0).data().toString(), u"My Favorites"_s);

        // Every folder is listed on the way, so every link is counted.
        f.trigger("mnuFoldersCheckAll");
        QCOMPARE(f.source().SelectedFolderCount(), counts.folders);
        QCOMPARE(f.source().SelectedLinkCount(), counts.links);
        QVERIFY(f.viewsShowTheSource());
    }
};

ORVALINK_GUI_TEST(SelectionWindowTest)
#include "selection_window_test.moc"
