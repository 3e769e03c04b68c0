// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/job.h"
#include "selection/link_filter.h"
#include "settings/program_settings.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QModelIndex;
class QPoint;
class QTimer;
class QTreeView;

namespace orvalink {

class EntryListModel;
class FolderTreeModel;

// "Select Links - Orvalink": the folders of the job's loaded source on the left (TreeView1) and
// the entries of the current folder on the right (ListView1), each with check boxes. The window
// is a view: every check the user changes, and every menu command, runs one of the selection
// rules of the source's BookmarkModel, after which both views and the status bar show the
// model's state again. Confirming (accept) keeps the choice in the job's source; cancelling
// (reject) leaves it to the caller to throw away.
//
// A filter field above the views narrows both to the entries whose name or address holds the
// typed words; the checks and the counters always stay those of the whole source.
//
// The job's source must be loaded before the window is made; the window never loads it.
class Form3 : public QDialog
{
    Q_OBJECT

public:
    Form3(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form3() override;

    // Rewrites the two status bar panels from the source's counters and the job's totals.
    void StatusBarRefresh();
    // The tree's current node, which is also the folder row the entry list shows.
    int currentFolder() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus(QMenuBar& bar);
    QAction* addAction(QMenu& menu, const char* name, const QString& caption);
    QAction* addSeparator(QMenu& menu, const char* name);
    void createViews();
    QLineEdit* createFilterField();
    // Shows what the filter field asks for now; an empty field brings back the whole source with
    // the folders expanded as before and the current folder kept.
    // Lists every folder and prepares the filter for searching.
    void prepareFilter();
    void applyFilter();

    // Lists the entries of a folder, listing a Favorites folder's directory on first need.
    void showFolder(int row);
    // Runs a selection rule, then brings the tree, the list and the status bar up to date.
    template <typename Change> void applyChange(Change&& change);
    void updateFolderMenu();
    void showTreeMenu(const QPoint& position);
    void showListMenu(const QPoint& position);
    void sortByHeader(int section);
    void openEntry(const QModelIndex& index);
    void checkHighlighted(bool checked);
    // Toggles the check box of a view's current row, as a click on it would.
    void toggleCurrentCheck(QTreeView& view);
    // Gives the list's columns their shares of the list's width.
    void fitColumns();
    void restorePosition();
    void savePosition();

    Job& m_job;
    ProgramSettings& m_settings;
    Dialogs& m_dialogs;
    BookmarkModel& m_source;
    LinkFilter m_filter;
    FolderTreeModel* m_treeModel = nullptr;
    EntryListModel* m_listModel = nullptr;
    QTreeView* m_tree = nullptr;
    QTreeView* m_list = nullptr;
    QLineEdit* m_filterField = nullptr;
    // Filters a moment after the last key, so that typing a word searches once.
    QTimer* m_filterTimer = nullptr;
    // Which nodes were expanded when the filter took over the tree.
    std::vector<bool> m_expandedBeforeFilter;
    QLabel* m_folderPanel = nullptr;
    QLabel* m_linkPanel = nullptr;
    QMenu* m_foldersMenu = nullptr;
    QMenu* m_linksMenu = nullptr;
    // The Folders menu items that only make sense for a node: the tree's pop-up hides them when
    // it opens away from every node.
    std::array<QAction*, 5> m_nodeActions{};
    // "Link Name", "URL" and "Creation Date" take 2/5, 2/5 and 1/5 of the list's width until the
    // user drags a column edge; the shares then follow the user's widths.
    std::array<double, 3> m_columnShares{0.4, 0.4, 0.2};
    bool m_fittingColumns = false;
};

} // namespace orvalink
