// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/folder_tree_model.h"

#include "selection/natural_order.h"

#include <QFont>

namespace orvalink {

FolderTreeModel::FolderTreeModel(const BookmarkModel& source, const SelectionImages& images,
                                 QObject* parent)
    : QAbstractItemModel(parent)
    , m_source(source)
    , m_images(images)
{
    // Only the weight is set: the view fills in the rest from its own font.
    m_boldFont.setBold(true);
    const FolderTree& tree = m_source.tree();
    const NaturalOrder order;
    m_sortedChildren.resize(static_cast<size_t>(tree.size()));
    m_shown.resize(static_cast<size_t>(tree.size()));
    for (int node = 0; node < tree.size(); ++node) {
        std::vector<int>& children = m_sortedChildren[static_cast<size_t>(node)];
        children = tree.children(node);
        order.sort(
            children, [](int) { return 0; }, [&](int child) { return tree.node(child).caption; });
        m_shown[static_cast<size_t>(node)] = lookOf(node);
    }
    m_shownChildren = m_sortedChildren;
    placeShownChildren();
}

void FolderTreeModel::placeShownChildren()
{
    m_rowInParent.assign(m_sortedChildren.size(), -1);
    if (!m_source.tree().isEmpty())
        m_rowInParent[static_cast<size_t>(FolderTree::root())] = 0;
    for (const std::vector<int>& children : m_shownChildren) {
        for (size_t i = 0; i < children.size(); ++i)
            m_rowInParent[static_cast<size_t>(children[i])] = static_cast<int>(i);
    }
}

void FolderTreeModel::applyFilter(const LinkFilter& filter)
{
    beginResetModel();
    for (size_t node = 0; node < m_sortedChildren.size(); ++node) {
        std::vector<int>& shown = m_shownChildren[node];
        shown.clear();
        for (int child : m_sortedChildren[node]) {
            if (filter.showsFolder(child))
                shown.push_back(child);
        }
    }
    placeShownChildren();
    endResetModel();
}

ShownLook FolderTreeModel::lookOf(int node) const
{
    const FolderTree::Node& item = m_source.tree().node(node);
    return {item.checked, item.bold};
}

QModelIndex FolderTreeModel::indexOfNode(int node) const
{
    if (node < 0 || node >= m_source.tree().size())
        return {};
    const int row = m_rowInParent[static_cast<size_t>(node)];
    return row < 0 ? QModelIndex() : createIndex(row, 0, static_cast<quintptr>(node));
}

int FolderTreeModel::nodeOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<int>(index.internalId()) : FolderTree::NoNode;
}

void FolderTreeModel::announce(int node)
{
    const QModelIndex item = indexOfNode(node);
    if (!item.isValid())
        return;
    emit dataChanged(item, item, {Qt::CheckStateRole, Qt::FontRole, Qt::DecorationRole});
}

void FolderTreeModel::setCurrentNode(int node)
{
    if (node == m_currentNode)
        return;
    const int previous = m_currentNode;
    m_currentNode = node;
    if (previous != FolderTree::NoNode)
        announce(previous);
    if (node != FolderTree::NoNode)
        announce(node);
}

void FolderTreeModel::refresh()
{
    const FolderTree& tree = m_source.tree();
    // Changed siblings are announced as one range each, from the first to the last that changed,
    // so that checking every folder costs one signal per parent rather than one per folder.
    for (int parentNode = FolderTree::NoNode; parentNode < tree.size(); ++parentNode) {
        int first = -1;
        int last = -1;
        auto visit = [&](int node) {
            const ShownLook now = lookOf(node);
            ShownLook& shown = m_shown[static_cast<size_t>(node)];
            if (now == shown)
                return;
            shown = now;
            // A hidden folder takes its new look when the filter shows it again: the reset
            // then reads it.
            const int row = m_rowInParent[static_cast<size_t>(node)];
            if (row < 0)
                return;
            first = first == -1 ? row : std::min(first, row);
            last = std::max(last, row);
        };
        if (parentNode == FolderTree::NoNode) {
            if (!tree.isEmpty())
                visit(FolderTree::root());
        } else {
            for (int child : m_sortedChildren[static_cast<size_t>(parentNode)])
                visit(child);
        }
        if (first == -1)
            continue;
        const QModelIndex parentIndex = indexOfNode(parentNode);
        emit dataChanged(index(first, 0, parentIndex), index(last, 0, parentIndex),
                         {Qt::CheckStateRole, Qt::FontRole});
    }
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const FolderTree& tree = m_source.tree();
    if (!parent.isValid())
        return row == 0 && !tree.isEmpty() ? indexOfNode(FolderTree::root()) : QModelIndex();
    const std::vector<int>& children = m_shownChildren[static_cast<size_t>(nodeOf(parent))];
    if (row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<size_t>(row)]));
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    const int node = nodeOf(child);
    if (node == FolderTree::NoNode)
        return {};
    return indexOfNode(m_source.tree().node(node).parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    const FolderTree& tree = m_source.tree();
    if (!parent.isValid())
        return tree.isEmpty() ? 0 : 1;
    if (parent.column() != 0)
        return 0;
    return static_cast<int>(m_shownChildren[static_cast<size_t>(nodeOf(parent))].size());
}

int FolderTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return !m_source.tree().isEmpty();
    return parent.column() == 0 && !m_shownChildren[static_cast<size_t>(nodeOf(parent))].empty();
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    const int node = nodeOf(index);
    if (node == FolderTree::NoNode)
        return {};
    const FolderTree::Node& item = m_source.tree().node(node);
    switch (role) {
    case Qt::DisplayRole:
        return item.caption;
    case Qt::CheckStateRole:
        return item.checked ? Qt::Checked : Qt::Unchecked;
    case Qt::FontRole:
        return item.bold ? QVariant(m_boldFont) : QVariant();
    case Qt::DecorationRole: {
        const bool open = node == m_currentNode;
        return node == FolderTree::root() ? m_images.root(open) : m_images.folder(open);
    }
    default:
        return {};
    }
}

bool FolderTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int node = nodeOf(index);
    if (role != Qt::CheckStateRole || node == FolderTree::NoNode)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (checked != m_source.isChecked(node))
        emit checkRequested(node, checked);
    return true;
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

} // namespace orvalink
