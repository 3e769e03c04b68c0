// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "selection/link_filter.h"
#include "selection/selection_images.h"
#include "selection/shown_look.h"

#include <QAbstractItemModel>
#include <QFont>
#include <vector>

namespace orvalink {

// The source's folder tree as an item model: one item per tree node, with the folder's check
// box, its bold mark and its folder image, children in natural order of their captions, only the
// folders the filter shows. The model only shows
// the BookmarkModel: a check box the user changes is handed on as checkRequested(), and the
// owner applies the selection rules and calls refresh() so that every item shows the new state.
class FolderTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    FolderTreeModel(const BookmarkModel& source, const SelectionImages& images,
                    QObject* parent = nullptr);

    // Shows the folders the filter shows now (every folder when it is inactive). The model is
    // reset: the owner sets the current item and the expanded folders again.
    void applyFilter(const LinkFilter& filter);

    // The item of a tree node (none for a folder the filter hides), and the node of an item
    // (FolderTree::NoNode for none).
    QModelIndex indexOfNode(int node) const;
    static int nodeOf(const QModelIndex& index);

    // The current folder shows the open folder image.
    void setCurrentNode(int node);

    // Announces every item whose check box or bold mark differs from what it showed last.
    void refresh();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The user changed a folder's check box.
    void checkRequested(int node, bool checked);

private:
    // How an item looks now.
    ShownLook lookOf(int node) const;
    void announce(int node);
    void placeShownChildren();

    const BookmarkModel& m_source;
    SelectionImages m_images;
    QFont m_boldFont;
    // Each node's children in natural order, made once (the tree does not change once loaded);
    // the ones shown, and the position of each node among its shown siblings (-1 when hidden).
    std::vector<std::vector<int>> m_sortedChildren;
    std::vector<std::vector<int>> m_shownChildren;
    std::vector<int> m_rowInParent;
    std::vector<ShownLook> m_shown;
    int m_currentNode = FolderTree::NoNode;
};

} // namespace orvalink
