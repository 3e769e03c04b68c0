// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/selection_window.h"

#include "selection/entry_list_model.h"
#include "selection/folder_tree_model.h"
#include "selection/selection_images.h"
#include "ui/busy_pointer.h"
#include "ui/visible_checks.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

namespace orvalink {

namespace {

QString panelText(const QString& label, int selected, int total)
{
    return QCoreApplication::translate("orvalink::Form3", "%1: %2 of %3")
        .arg(label)
        .arg(selected)
        .arg(total);
}

BookmarkModel& loadedSourceOf(Job& job)
{
    Q_ASSERT_X(job.source(), "Form3", "the job's source must be loaded before the window opens");
    return *job.source();
}

} // namespace

Form3::Form3(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_job(job)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_source(loadedSourceOf(job))
    , m_filter(m_source)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Select Links - Orvalink"));
    setSizeGripEnabled(true);

    // Every opening of a freshly loaded source starts sorted by name, ascending.
    m_job.ListSortColumn = static_cast<int>(EntryColumn::LinkName);
    m_job.ListSortDescending = false;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(this);
    createMenus(*bar);
    layout->setMenuBar(bar);

    createViews();
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_list);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->setSpacing(8);
    body->addWidget(createFilterField());
    body->addWidget(splitter, 1);

    auto* confirm = new QPushButton(tr("&Confirm Selection"), this);
    confirm->setObjectName(QStringLiteral("Command2"));
    confirm->setToolTip(tr("Confirm Selection and Exit"));
    // Enter in the tree or the list must not end the window: neither button is the default.
    confirm->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("Ca&ncel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    connect(confirm, &QPushButton::clicked, this, &Form3::accept);
    connect(cancel, &QPushButton::clicked, this, &Form3::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    m_folderPanel = new QLabel(status);
    m_folderPanel->setObjectName(QStringLiteral("StatusBar1.Panels(1)"));
    m_folderPanel->setToolTip(tr("Selected Folders / Total Folders"));
    m_linkPanel = new QLabel(status);
    m_linkPanel->setObjectName(QStringLiteral("StatusBar1.Panels(2)"));
    m_linkPanel->setToolTip(tr("Selected Links / Total Links"));
    for (QLabel* panel : {m_folderPanel, m_linkPanel})
        panel->setContentsMargins(6, 0, 6, 0);
    status->addWidget(m_folderPanel, 1);
    status->addWidget(m_linkPanel, 1);
    layout->addWidget(status);

    restorePosition();
    StatusBarRefresh();

    // The root is expanded and current, which lists its entries.
    for (int node = 0; node < m_source.tree().size(); ++node) {
        if (m_source.tree().node(node).expanded)
            m_tree->expand(m_treeModel->indexOfNode(node));
    }
    m_tree->setCurrentIndex(m_treeModel->indexOfNode(FolderTree::root()));
}

Form3::~Form3()
{
    // The views go first: hiding the dialog later lays them out again, which would ask the item
    // models about a source the job may already have dropped.
    delete std::exchange(m_list, nullptr);
    delete std::exchange(m_tree, nullptr);
}

QAction* Form3::addAction(QMenu& menu, const char* name, const QString& caption)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* Form3::addSeparator(QMenu& menu, const char* name)
{
    QAction* separator = menu.addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

void Form3::createMenus(QMenuBar& bar)
{
    QMenu* file = bar.addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addAction(*file, "mnuFileConfirm", tr("&Confirm Selection")), &QAction::triggered, this,
            &Form3::accept);
    addSeparator(*file, "mnuFolderSeparator");
    connect(addAction(*file, "mnuFileExit", tr("&Exit")), &QAction::triggered, this,
            &Form3::reject);

    m_foldersMenu = bar.addMenu(tr("Fol&ders"));
    m_foldersMenu->setObjectName(QStringLiteral("mnuFolderS"));
    QMenu& folders = *m_foldersMenu;
    auto onCurrent = [this](auto rule) {
        return [this, rule] {
            const int row = currentFolder();
            if (row != FolderTree::NoNode)
                applyChange([&](BookmarkModel& source) { rule(source, row); });
        };
    };
    m_nodeActions[0] = addAction(folders, "mnuFoldersCheck", tr("Check Current Folder"));
    connect(m_nodeActions[0], &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) {
                if (!source.isChecked(row))
                    source.ApplyFolderCheck(row, true);
            }));
    m_nodeActions[1] = addAction(folders, "mnuFoldersCheckAllSubs", tr("Check Folder && All Subs"));
    connect(m_nodeActions[1], &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) { source.CheckFolderAndAllSubs(row); }));
    m_nodeActions[2] = addAction(folders, "mnuFoldersUncheck", tr("Uncheck Current Folder"));
    connect(m_nodeActions[2], &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) {
                if (source.isChecked(row))
                    source.ApplyFolderCheck(row, false);
            }));
    m_nodeActions[3] =
        addAction(folders, "mnuFoldersUncheckAllSubs", tr("Uncheck Folder && All Subs"));
    connect(m_nodeActions[3], &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) { source.UncheckFolderAndAllSubs(row); }));
    m_nodeActions[4] = addSeparator(folders, "mnuFoldersSpearator");
    connect(addAction(folders, "mnuFoldersCheckAll", tr("Check All Folders")), &QAction::triggered,
            this, [this] { applyChange([](BookmarkModel& source) { source.CheckAllFolders(); }); });
    connect(addAction(folders, "mnuFoldersUncheckAll", tr("Uncheck All Folders")),
            &QAction::triggered, this,
            [this] { applyChange([](BookmarkModel& source) { source.UncheckAllFolders(); }); });
    addSeparator(folders, "mnuFoldersSeparator2");
    connect(addAction(folders, "mnuFoldersExpandAll", tr("Expand All")), &QAction::triggered, this,
            [this] { m_tree->expandAll(); });
    connect(addAction(folders, "mnuFoldersCollapseAll", tr("Collapse All")), &QAction::triggered,
            this, [this] {
                m_tree->collapseAll();
                m_tree->expand(m_treeModel->indexOfNode(FolderTree::root()));
            });
    connect(m_foldersMenu, &QMenu::aboutToShow, this, &Form3::updateFolderMenu);

    m_linksMenu = bar.addMenu(tr("&Links"));
    m_linksMenu->setObjectName(QStringLiteral("mnuLinks"));
    QMenu& links = *m_linksMenu;
    connect(addAction(links, "mnuLinksCheck", tr("Check Selected")), &QAction::triggered, this,
            [this] { checkHighlighted(true); });
    connect(addAction(links, "mnuLinksUncheck", tr("Uncheck Selected")), &QAction::triggered, this,
            [this] { checkHighlighted(false); });
    addSeparator(links, "mnuLinksSeparartor");
    connect(addAction(links, "mnuLinksCheckAll", tr("Check All")), &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) { source.CheckAllLinks(row); }));
    connect(addAction(links, "mnuLinksUncheckAll", tr("Uncheck All")), &QAction::triggered, this,
            onCurrent([](BookmarkModel& source, int row) { source.UncheckAllLinks(row); }));
}

void Form3::createViews()
{
    const SelectionImages images(m_source.form());
    m_treeModel = new FolderTreeModel(m_source, images, this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setAccessibleName(tr("Folders"));
    m_tree->setAccessibleDescription(tr("Tick the Folders to Export"));
    ShowChecksClearly(m_tree);
    m_tree->setModel(m_treeModel);
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->installEventFilter(this);
    connect(m_treeModel, &FolderTreeModel::checkRequested, this, [this](int node, bool checked) {
        applyChange([&](BookmarkModel& source) { source.ApplyFolderCheck(node, checked); });
    });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const int node = FolderTreeModel::nodeOf(current);
                m_treeModel->setCurrentNode(node);
                if (node != FolderTree::NoNode)
                    showFolder(node);
            });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &Form3::showTreeMenu);

    m_listModel = new EntryListModel(m_source, m_filter, images, this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setAccessibleName(tr("Links"));
    m_list->setAccessibleDescription(tr("Tick the Links of the Current Folder to Export"));
    ShowChecksClearly(m_list);
    m_list->setModel(m_listModel);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    connect(header, &QHeaderView::sectionClicked, this, &Form3::sortByHeader);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (m_fittingColumns)
            return;
        const int total = m_list->header()->length();
        if (total <= 0)
            return;
        for (int section = 0; section < EntryListModel::ColumnCount; ++section)
            m_columnShares[static_cast<size_t>(section)] =
                double(m_list->header()->sectionSize(section)) / total;
    });
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_listModel, &EntryListModel::checkRequested, this, [this](int linkRow, bool checked) {
        const int folder = m_listModel->folder();
        applyChange(
            [&](BookmarkModel& source) { source.ApplyEntryCheck(folder, linkRow, checked); });
    });
    connect(m_list, &QAbstractItemView::doubleClicked, this, &Form3::openEntry);
    connect(m_list, &QWidget::customContextMenuRequested, this, &Form3::showListMenu);
}

QLineEdit* Form3::createFilterField()
{
    m_filterField = new QLineEdit(this);
    m_filterField->setObjectName(QStringLiteral("txtFilter"));
    m_filterField->setPlaceholderText(tr("Find Links by Name or Address"));
    m_filterField->setAccessibleName(tr("Find Links"));
    m_filterField->setClearButtonEnabled(true);
    m_filterField->installEventFilter(this);
    m_filterTimer = new QTimer(this);
    m_filterTimer->setSingleShot(true);
    m_filterTimer->setInterval(150);
    connect(m_filterTimer, &QTimer::timeout, this, &Form3::applyFilter);
    connect(m_filterField, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Emptying the field needs no search: everything comes back at once.
        if (text.trimmed().isEmpty())
            applyFilter();
        else
            m_filterTimer->start();
    });
    connect(m_filterField, &QLineEdit::returnPressed, this, &Form3::applyFilter);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    QWidget::addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_filterField->setFocus(Qt::ShortcutFocusReason);
        m_filterField->selectAll();
    });
    return m_filterField;
}

void Form3::applyFilter()
{
    m_filterTimer->stop();
    const QString text = m_filterField->text();
    const bool wasActive = m_filter.isActive();
    const int current = currentFolder();
    cMouse pointer;
    pointer.SetPointer(Qt::WaitCursor);
    if (!wasActive) {
        if (text.trimmed().isEmpty())
            return;
        m_expandedBeforeFilter.assign(static_cast<size_t>(m_source.tree().size()), false);
        for (int node = 0; node < m_source.tree().size(); ++node)
            m_expandedBeforeFilter[static_cast<size_t>(node)] =
                m_tree->isExpanded(m_treeModel->indexOfNode(node));
        prepareFilter();
    }
    m_filter.setText(text);
    m_treeModel->applyFilter(m_filter);
    if (m_filter.isActive()) {
        m_tree->expandAll();
    } else {
        for (int node = 0; node < m_source.tree().size(); ++node) {
            if (m_expandedBeforeFilter[static_cast<size_t>(node)])
                m_tree->expand(m_treeModel->indexOfNode(node));
        }
    }
    QModelIndex shown = m_treeModel->indexOfNode(current);
    if (!shown.isValid())
        shown = m_treeModel->indexOfNode(FolderTree::root());
    // The reset left the tree without a current item, so this lists the folder anew, filtered.
    m_tree->setCurrentIndex(shown);
    m_tree->scrollTo(shown);
}

int Form3::currentFolder() const
{
    return FolderTreeModel::nodeOf(m_tree->currentIndex());
}

void Form3::StatusBarRefresh()
{
    m_folderPanel->setText(
        panelText(tr("Selected Folders"), m_source.SelectedFolderCount(), m_job.TotalFolderCount));
    m_linkPanel->setText(
        panelText(tr("Selected Links"), m_source.SelectedLinkCount(), m_job.TotalLinkCount));
}

void Form3::showFolder(int row)
{
    if (!m_source.folder(row).LinksLoaded) {
        cMouse pointer;
        pointer.SetPointer(Qt::WaitCursor);
        m_source.ensureListed(row);
    }
    m_listModel->setFolder(row, static_cast<EntryColumn>(m_job.ListSortColumn),
                           m_job.ListSortDescending);
}

template <typename Change> void Form3::applyChange(Change&& change)
{
    // A rule may list Favorites folders on the way, which reads their directories.
    cMouse pointer;
    pointer.SetPointer(Qt::WaitCursor);
    std::forward<Change>(change)(m_source);
    m_treeModel->refresh();
    m_listModel->refresh();
    StatusBarRefresh();
}

void Form3::updateFolderMenu()
{
    const int row = currentFolder();
    const bool hasNode = row != FolderTree::NoNode;
    const bool checked = hasNode && m_source.isChecked(row);
    const bool hasSubs = hasNode && m_source.tree().hasChildren(row);
    m_nodeActions[0]->setEnabled(hasNode && !checked);
    m_nodeActions[1]->setEnabled(hasSubs);
    m_nodeActions[2]->setEnabled(checked);
    m_nodeActions[3]->setEnabled(hasSubs);
}

void Form3::showTreeMenu(const QPoint& position)
{
    const QModelIndex index = m_tree->indexAt(position);
    // The commands act on the current folder, so the node under the pointer becomes current.
    if (index.isValid())
        m_tree->setCurrentIndex(index);
    for (QAction* action : m_nodeActions)
        action->setVisible(index.isValid());
    m_foldersMenu->exec(m_tree->viewport()->mapToGlobal(position));
    for (QAction* action : m_nodeActions)
        action->setVisible(true);
}

void Form3::showListMenu(const QPoint& position)
{
    m_linksMenu->exec(m_list->viewport()->mapToGlobal(position));
}

void Form3::sortByHeader(int section)
{
    // Every click reverses the order, whichever column was sorted before.
    m_job.ListSortColumn = section + 1;
    m_job.ListSortDescending = !m_job.ListSortDescending;
    m_listModel->sortBy(static_cast<EntryColumn>(m_job.ListSortColumn), m_job.ListSortDescending);
}

void Form3::openEntry(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const LinkRecord& entry = m_source.link(m_listModel->linkRowAt(index.row()));
    if (entry.isSubfolder()) {
        const QModelIndex folder = m_treeModel->indexOfNode(entry.SubfolderRow);
        m_tree->setCurrentIndex(folder);
        m_tree->scrollTo(folder);
    } else if (!entry.URL.isEmpty()) {
        m_dialogs.openExternally(entry.URL);
    }
}

void Form3::checkHighlighted(bool checked)
{
    const int folder = m_listModel->folder();
    if (folder < 0)
        return;
    std::vector<int> linkRows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        linkRows.push_back(m_listModel->linkRowAt(index.row()));
    applyChange([&](BookmarkModel& source) { source.CheckEntries(folder, linkRows, checked); });
}

void Form3::toggleCurrentCheck(QTreeView& view)
{
    const QModelIndex current = view.currentIndex();
    if (!current.isValid())
        return;
    // The check box sits in the first column, whichever column has the focus.
    const QModelIndex box = current.siblingAtColumn(0);
    const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    view.model()->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void Form3::prepareFilter()
{
    // A search covers the whole source: Favorites folders not opened yet are listed now.
    for (int row = 0; row < m_source.folderCount(); ++row)
        m_source.ensureListed(row);
    m_filter.prepare();
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    // The source is made ready for searching as the field takes the focus, while the user is
    // still to type: the search itself then answers at once.
    if (event->type() == QEvent::FocusIn && watched == m_filterField) {
        cMouse pointer;
        pointer.SetPointer(Qt::WaitCursor);
        prepareFilter();
    }
    // Escape in a filled filter field clears it rather than closing the window.
    if (event->type() == QEvent::KeyPress && watched == m_filterField &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        !m_filterField->text().isEmpty()) {
        m_filterField->clear();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == m_tree || watched == m_list)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggleCurrentCheck(*static_cast<QTreeView*>(watched));
            return true;
        }
    }
    if (event->type() == QEvent::Resize && m_list && watched == m_list->viewport())
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void Form3::fitColumns()
{
    const int width = m_list->viewport()->width();
    m_fittingColumns = true;
    int used = 0;
    for (int section = 0; section < EntryListModel::ColumnCount - 1; ++section) {
        const int size = qRound(width * m_columnShares[static_cast<size_t>(section)]);
        m_list->header()->resizeSection(section, size);
        used += size;
    }
    m_list->header()->resizeSection(EntryListModel::ColumnCount - 1, std::max(width - used, 20));
    m_fittingColumns = false;
}

void Form3::done(int result)
{
    savePosition();
    QDialog::done(result);
}

void Form3::restorePosition()
{
    SettingsReader reader(m_settings);
    LoadWindowPosition(SavedWindow::Selection, *this, reader);
}

void Form3::savePosition()
{
    SettingsWriter writer(m_settings);
    SaveWindowPosition(SavedWindow::Selection, *this, writer);
}

} // namespace orvalink
