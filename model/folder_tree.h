// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace orvalink {

// The folders of a source as the selection window shows them: one node per folder table row,
// with the user's check boxes and bold marks. Nodes are numbered in insertion order from 0;
// index() gives the 1-based number the menu page uses. Sibling folders are kept sorted by caption
// without regard to case, ties in insertion order, as a sorted tree control shows them.
class FolderTree
{
public:
    static constexpr int NoNode = -1;

    struct Node
    {
        QString caption;
        // The folder table row this node shows.
        int tag = 0;
        int parent = NoNode;
        bool checked = false;
        bool bold = false;
        bool expanded = false;
    };

    // Adds a node under parent (NoNode for the root, which must come first) and returns it.
    int addNode(int parent, QString caption, int tag);
    void clear();
    void reserve(int count);

    int size() const { return static_cast<int>(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.empty(); }
    static constexpr int root() { return 0; }
    // The 1-based node number, in insertion order.
    static constexpr int index(int node) { return node + 1; }

    const Node& node(int node) const { return m_nodes[static_cast<size_t>(node)]; }
    // Child nodes in display order (sorted without regard to case).
    const std::vector<int>& children(int node) const;
    bool hasChildren(int node) const { return !m_children[static_cast<size_t>(node)].empty(); }

    void setChecked(int node, bool checked)
    {
        m_nodes[static_cast<size_t>(node)].checked = checked;
    }
    void setBold(int node, bool bold) { m_nodes[static_cast<size_t>(node)].bold = bold; }
    void setExpanded(int node, bool expanded)
    {
        m_nodes[static_cast<size_t>(node)].expanded = expanded;
    }

    // The node and every node below it, parents before children, siblings in display order.
    std::vector<int> subtree(int node) const;

private:
    std::vector<Node> m_nodes;
    // Mutable so that sorting can wait until someone looks: loaders add thousands of siblings,
    // and keeping each list sorted on every insertion would cost the square of their number.
    mutable std::vector<std::vector<int>> m_children;
    mutable std::vector<bool> m_childrenSorted;
};

} // namespace orvalink
