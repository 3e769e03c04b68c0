// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/folder_tree.h"

#include "model/huge_pages.h"
#include "model/text_order.h"

#include <utility>

namespace orvalink {

int FolderTree::addNode(int parent, QString caption, int tag)
{
    const int node = size();
    growInHugePages(m_nodes);
    growInHugePages(m_children);
    m_nodes.push_back(Node{std::move(caption), tag, parent, false, false, false});
    m_children.emplace_back();
    m_childrenSorted.push_back(true);
    if (parent != NoNode) {
        m_children[static_cast<size_t>(parent)].push_back(node);
        m_childrenSorted[static_cast<size_t>(parent)] = false;
    }
    return node;
}

void FolderTree::reserve(int count)
{
    m_nodes.reserve(static_cast<size_t>(count));
    m_children.reserve(static_cast<size_t>(count));
    m_childrenSorted.reserve(static_cast<size_t>(count));
}

void FolderTree::clear()
{
    m_nodes.clear();
    m_children.clear();
    m_childrenSorted.clear();
}

const std::vector<int>& FolderTree::children(int node) const
{
    auto& list = m_children[static_cast<size_t>(node)];
    if (!m_childrenSorted[static_cast<size_t>(node)]) {
        CaseBlindKeys captions;
        captions.reserve(list.size());
        for (int child : list)
            captions.add(m_nodes[static_cast<size_t>(child)].caption);
        const std::vector<int> order = captions.order();
        std::vector<int> sorted;
        sorted.reserve(list.size());
        for (int position : order)
            sorted.push_back(list[static_cast<size_t>(position)]);
        list = std::move(sorted);
        m_childrenSorted[static_cast<size_t>(node)] = true;
    }
    return list;
}

std::vector<int> FolderTree::subtree(int node) const
{
    std::vector<int> result;
    std::vector<int> pending{node};
    while (!pending.empty()) {
        const int current = pending.back();
        pending.pop_back();
        result.push_back(current);
        const std::vector<int>& kids = children(current);
        pending.insert(pending.end(), kids.rbegin(), kids.rend());
    }
    return result;
}

} // namespace orvalink
