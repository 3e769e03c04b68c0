#include "selection/selection_window.h"
#include "sources/source_loader.h"
#include "tests/gui/support/gui_test_support.h"
#include "windows/export_window.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>

using namespace orvalink;

namespace {

// Folder rows of the hand-made source below.
constexpr int kRoot = 0;
constexpr int kNews = 1;
constexpr int kAlpha = 2;
constexpr int kDeep = 3;

LinkRecord entry(const QString& name, const QString& url, int subfolderRow = -1, QDate date = {})
{
    LinkRecord record;
    record.Name = name;
    record.URL = url;
    record.SubfolderRow = subfolderRow;
    record.IconIndex =
        subfolderRow == -1 ? IconIndex::BookmarkFileLink : IconIndex::BookmarkFileFolder;
    record.FileDate = date;
    return record;
}

// Bookmarks: News (n1, n2, Deep (d1)), Alpha (empty), zeta, Beta: three folders below the root,
// five links. The root's entries carry dates so that the date sort has something to order.
std::unique_ptr<BookmarkModel> sampleSource()
{
    auto source = std::make_unique<BookmarkModel>(SourceKind::BookmarkFile,
                                                  QStringLiteral("/nowhere/bookmarks.html"));
    for (auto [parent, name] :
         {std::pair{-1, "Bookmarks"}, {kRoot, "News"}, {kRoot, "Alpha"}, {kNews, "Deep"}})
        source->addFolder(parent, QLatin1String(name));
    source->setExpanded(kRoot, true);
    const QString none;
    source->beginEntries(kRoot);
    source->appendEntry(entry(QStringLiteral("News"), none, kNews, QDate(2001, 1, 1)));
    source->appendEntry(entry(QStringLiteral("Alpha"), none, kAlpha, QDate(2003, 1, 1)));
    source->appendEntry(
        entry(QStringLiteral("zeta"), QStringLiteral("https://a.example/"), -1, QDate(2002, 1, 1)));
    source->appendEntry(
        entry(QStringLiteral("Beta"), QStringLiteral("https://b.example/"), -1, QDate(2004, 1, 1)));
    source->endEntries(kRoot);
    source->beginEntries(kNews);
    source->appendEntry(entry(QStringLiteral("n1"), QStringLiteral("https://n1.example/")));
    source->appendEntry(entry(QStringLiteral("n2"), QStringLiteral("https://n2.example/")));
    source->appendEntry(entry(QStringLiteral("Deep"), none, kDeep));
    source->endEntries(kNews);
    source->beginEntries(kAlpha);
    source->endEntries(kAlpha);
    source->beginEntries(kDeep);
    source->appendEntry(entry(QStringLiteral("d1"), QStringLiteral("https://d1.example/")));
    source->endEntries(kDeep);
    return source;
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

QStringList names(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QLatin1String(text));
    return list;
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
        return QStringLiteral("%1/%2")
            .arg(index.data(Qt::CheckStateRole).toInt())
            .arg(isBold(index));
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
        host = std::make_unique<ExportWindow>(job, dialogs);
        host->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    Form3& open()
    {
        form = std::make_unique<Form3>(job, dialogs, host.get());
        form->show();
        tree = form->findChild<QTreeView*>(QStringLiteral("TreeView1"));
        list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        shownTree = std::make_unique<ShownItems>(*tree->model());
        shownList = std::make_unique<ShownItems>(*list->model());
        return *form;
    }
    BookmarkModel& source() const { return *job.source(); }
    // "Selected Folders: ..." and "Selected Links: ...", joined.
    QString panels() const
    {
        const auto text = [&](int number) {
            return form->findChild<QLabel*>(QStringLiteral("StatusBar1.Panels(%1)").arg(number))
                ->text();
        };
        return text(1) + QStringLiteral(" | ") + text(2);
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
    return QStringLiteral("Selected Folders: %1 of 3 | Selected Links: %2 of 5")
        .arg(folders)
        .arg(links);
}

} // namespace

class SelectionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void checkingALinkChecksItsFolderAndUncheckingItAgainUnchecksIt()
    {
        Fixture f;
        f.open();
        QCOMPARE(f.panels(), panels(0, 0));
        f.showFolder("News");
        clickCheckBox(*f.list, item(*f.list, "n1"));
        QVERIFY(f.source().isChecked(kNews));
        QVERIFY(!isChecked(item(*f.list, "n2")));
        QCOMPARE(f.panels(), panels(1, 1));
        QVERIFY(isChecked(item(*f.tree, "News")));
        QVERIFY(isBold(item(*f.tree, "News")));
        QVERIFY(isBold(item(*f.tree, "Bookmarks")));
        QVERIFY(f.viewsShowTheSource());

        clickCheckBox(*f.list, item(*f.list, "n1"));
        QCOMPARE(f.panels(), panels(0, 0));
        QVERIFY(!isChecked(item(*f.tree, "News")));
        QVERIFY(!isBold(item(*f.tree, "Bookmarks")));
        QVERIFY(f.viewsShowTheSource());
    }

    void treeCheckBoxesAndSubfolderEntriesShowEachOther()
    {
        Fixture f;
        f.open();
        // The tree's check box of the folder the list shows checks its links, once each.
        f.showFolder("News");
        clickCheckBox(*f.tree, item(*f.tree, "News"));
        QCOMPARE(f.panels(), panels(1, 2));
        QVERIFY(isChecked(item(*f.list, "n2")));
        QVERIFY(!isChecked(item(*f.list, "Deep")));
        QVERIFY(f.viewsShowTheSource());

        // The subfolder entry checks its folder, which then shows bold in the list.
        clickCheckBox(*f.list, item(*f.list, "Deep"));
        QVERIFY(isChecked(item(*f.tree, "Deep")));
        QVERIFY(isBold(item(*f.list, "Deep")));
        QCOMPARE(f.panels(), panels(2, 3));
        QVERIFY(f.viewsShowTheSource());

        // An empty folder counts as a folder, with no links and no bold mark.
        clickCheckBox(*f.tree, item(*f.tree, "Alpha"));
        QCOMPARE(f.panels(), panels(3, 3));
        QVERIFY(!isBold(item(*f.tree, "Alpha")));
    }

    void folderCommandsCountEveryFolderOnce()
    {
        Fixture f;
        f.open();
        f.showFolder("Deep");
        f.trigger("mnuFoldersCheck");
        // News and Deep, Deep already checked: two folders, not three.
        f.showFolder("News");
        f.trigger("mnuFoldersCheckAllSubs");
        QCOMPARE(f.panels(), panels(2, 3));
        QVERIFY(isChecked(item(*f.list, "Deep")));

        // The root is checked too but never counted.
        f.trigger("mnuFoldersCheckAll");
        QCOMPARE(f.panels(), panels(3, 5));
        QVERIFY(f.source().isChecked(kRoot));
        QVERIFY(f.viewsShowTheSource());

        f.trigger("mnuFoldersUncheckAllSubs");
        QCOMPARE(f.panels(), panels(1, 2));
        QVERIFY(!isChecked(item(*f.list, "n1")));

        f.trigger("mnuFoldersUncheckAll");
        QCOMPARE(f.panels(), panels(0, 0));
        QVERIFY(!isBold(item(*f.tree, "Bookmarks")));
        QVERIFY(f.viewsShowTheSource());
    }

    void linkCommandsCheckTheHighlightedEntriesOrTheWholeFolder()
    {
        Fixture f;
        f.open();
        f.showFolder("News");
        for (const char* name : {"n2", "Deep"})
            f.list->selectionModel()->select(item(*f.list, name), QItemSelectionModel::Select |
                                                                      QItemSelectionModel::Rows);
        f.trigger("mnuLinksCheck");
        QVERIFY(f.source().isChecked(kDeep));
        QVERIFY(!isChecked(item(*f.list, "n1")));
        QCOMPARE(f.panels(), panels(2, 2));
        QVERIFY(f.viewsShowTheSource());
        f.trigger("mnuLinksUncheck");
        QCOMPARE(f.panels(), panels(0, 0));

        // "Check All" takes the folder's own links, not its subfolders.
        f.trigger("mnuLinksCheckAll");
        QCOMPARE(f.panels(), panels(1, 2));
        f.trigger("mnuLinksUncheckAll");
        QCOMPARE(f.panels(), panels(0, 0));
    }

    void spaceOnTheFocusedRowChecksIt()
    {
        Fixture f;
        f.open();
        f.tree->setFocus();
        f.showFolder("Alpha");
        QTest::keyClick(f.tree, Qt::Key_Space);
        QVERIFY(f.source().isChecked(kAlpha));
        QCOMPARE(f.panels(), panels(1, 0));

        // In the list the check box answers wherever the focus sits in the row.
        f.showFolder("Bookmarks");
        f.list->setFocus();
        f.list->setCurrentIndex(item(*f.list, "zeta", 1));
        QTest::keyClick(f.list, Qt::Key_Space);
        QVERIFY(f.source().isChecked(kRoot));
        QCOMPARE(f.panels(), panels(1, 1));
        QVERIFY(f.viewsShowTheSource());
        QTest::keyClick(f.list, Qt::Key_Space);
        QCOMPARE(f.panels(), panels(1, 0));
    }

    void folderMenuFollowsTheCurrentFolderAndThePointer()
    {
        Fixture f;
        f.open();
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
        const QStringList always =
            names({"mnuFoldersCheckAll", "mnuFoldersUncheckAll", "mnuFoldersSeparator2",
                   "mnuFoldersExpandAll", "mnuFoldersCollapseAll"});
        auto fromMenuBar = [&] {
            f.form->findChild<QMenu*>(QStringLiteral("mnuFolderS"))->exec(QPoint(0, 0));
        };

        f.showFolder("Alpha");
        QCOMPARE(shownItems(fromMenuBar),
                 names({"mnuFoldersCheck", "mnuFoldersSpearator"}) + always);
        f.showFolder("News");
        f.trigger("mnuFoldersCheck");
        QCOMPARE(shownItems(fromMenuBar),
                 names({"mnuFoldersCheckAllSubs", "mnuFoldersUncheck", "mnuFoldersUncheckAllSubs",
                        "mnuFoldersSpearator"}) +
                     always);

        // On a node the pop-up acts on that node; away from the nodes it has no folder items.
        const QPoint onAlpha = f.tree->visualRect(item(*f.tree, "Alpha")).center();
        QCOMPARE(shownItems([&] { emit f.tree->customContextMenuRequested(onAlpha); }),
                 names({"mnuFoldersCheck", "mnuFoldersSpearator"}) + always);
        QCOMPARE(f.form->currentFolder(), kAlpha);
        const QPoint belowNodes(5, f.tree->viewport()->height() - 5);
        QCOMPARE(shownItems([&] { emit f.tree->customContextMenuRequested(belowNodes); }), always);
    }

    void everyHeaderClickFlipsTheOrder()
    {
        Fixture f;
        f.open();
        QCOMPARE(listedNames(*f.list), names({"Alpha", "News", "Beta", "zeta"}));
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
        QCOMPARE(listedNames(*f.list), names({"zeta", "Beta", "News", "Alpha"}));
        QCOMPARE(f.list->selectionModel()->selectedRows().value(0).data().toString(),
                 QStringLiteral("zeta"));

        // Another column sorts opposite to the last click: ascending by URL, subfolders (no
        // URL) first in their row order.
        clickHeader(*f.list, 1);
        QCOMPARE(listedNames(*f.list), names({"News", "Alpha", "zeta", "Beta"}));
        QCOMPARE(f.job.ListSortColumn, 2);
        QVERIFY(!arrow(0) && arrow(1));

        // By date, subfolders come first descending and last ascending.
        clickHeader(*f.list, 2);
        QCOMPARE(listedNames(*f.list), names({"Alpha", "News", "Beta", "zeta"}));
        clickHeader(*f.list, 2);
        QCOMPARE(listedNames(*f.list), names({"zeta", "Beta", "News", "Alpha"}));

        // The order holds for the next folder; entries without a date show none.
        f.showFolder("News");
        QCOMPARE(listedNames(*f.list), names({"n1", "n2", "Deep"}));
        QCOMPARE(item(*f.list, "n1", 2).data().toString(), QString());
    }

    void doubleClickOpensASubfolderInTheTreeAndALinkInTheBrowser()
    {
        Fixture f;
        f.open();
        doubleClick(*f.list, item(*f.list, "News", 1));
        QCOMPARE(f.form->currentFolder(), kNews);
        QCOMPARE(listedNames(*f.list), names({"Deep", "n1", "n2"}));
        QCOMPARE(f.dialogs.count(ScriptedDialogs::Kind::OpenExternally), 0);

        doubleClick(*f.list, item(*f.list, "n2", 1));
        QCOMPARE(f.dialogs.count(ScriptedDialogs::Kind::OpenExternally), 1);
        QCOMPARE(f.dialogs.last(ScriptedDialogs::Kind::OpenExternally).target,
                 QStringLiteral("https://n2.example/"));
    }

    void confirmKeepsTheChoiceAndCancelThrowsItAway()
    {
        Fixture f;
        auto answer = [&](const char* button, bool checkALink) {
            QTimer::singleShot(0, [button, checkALink] {
                auto* form = qobject_cast<Form3*>(QApplication::activeModalWidget());
                QVERIFY(form);
                if (checkALink) {
                    auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
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
        QVERIFY(f.job.source() == nullptr);
        QVERIFY(f.host->selectionWindow() == nullptr);

        // Closing the export window with a confirmed selection drops both cleanly.
        f.job.setSource(sampleSource());
        answer("Command2", false);
        QVERIFY(f.host->showSelection());
        f.host->close();
        QVERIFY(f.job.source() == nullptr);
        QVERIFY(f.host->selectionWindow() == nullptr);
    }

    void checkAllFoldersListsAndCountsAFavoritesFolder()
    {
        const QString favorites = QStringLiteral(ORVALINK_SOURCE_DIR "/examples/Favorites");
        Progress quiet;
        const SourceCounts counts = CountSource(SourceKind::Favorites, favorites, quiet);
        Result<std::unique_ptr<BookmarkModel>> loaded =
            LoadSource(SourceKind::Favorites, favorites, counts.folders, quiet);
        QVERIFY(loaded.ok());
        Fixture f(std::move(loaded.value()), counts.folders, counts.links);
        Form3& form = f.open();
        form.resize(900, 480);
        QCOMPARE(f.tree->model()->index(0, 0).data().toString(), QStringLiteral("My Favorites"));
        QVERIFY(!test::saveScreenshot(form, QStringLiteral("selection_favorites")).isEmpty());

        // Every folder is listed on the way, so every link is counted.
        f.trigger("mnuFoldersCheckAll");
        QCOMPARE(f.source().SelectedFolderCount(), counts.folders);
        QCOMPARE(f.source().SelectedLinkCount(), counts.links);
        QVERIFY(f.viewsShowTheSource());
        f.trigger("mnuFoldersExpandAll");
        QVERIFY(
            !test::saveScreenshot(form, QStringLiteral("selection_favorites_checked")).isEmpty());
    }
};

ORVALINK_GUI_TEST(SelectionWindowTest)
#include "selection_window_test.moc"
