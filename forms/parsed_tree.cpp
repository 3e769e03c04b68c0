// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/parsed_tree.h"

#include <utility>

namespace orvalink {

ParsedTree::ParsedTree(QString rootCaption)
{
    Node root;
    root.caption = std::move(rootCaption);
    m_nodes.push_back(std::move(root));
}

int ParsedTree::add(int parent, EntryKind kind, QString name, QString url)
{
    const int n = size();
    Node node;
    node.parent = parent;
    node.kind = kind;
    node.caption = std::move(name);
    node.url = std::move(url);
    m_nodes.push_back(std::move(node));
    m_nodes[static_cast<size_t>(parent)].children.push_back(n);
    return n;
}

int ParsedTree::addFolder(int parent, QString name)
{
    return add(parent, EntryKind::Folder, std::move(name), QString());
}

int ParsedTree::addLink(int parent, QString name, QString url)
{
    return add(parent, EntryKind::Link, std::move(name), std::move(url));
}

int ParsedTree::addSeparator(int parent)
{
    return add(parent, EntryKind::Separator, QString(), QString());
}

EntryDetails& ParsedTree::editDetails(int n)
{
    Node& entry = node(n);
    if (entry.details == NoDetails) {
        entry.details = static_cast<int>(m_details.size());
        m_details.emplace_back();
    }
    return m_details[static_cast<size_t>(entry.details)];
}

const EntryDetails& ParsedTree::details(int n) const
{
    static const EntryDetails none;
    const int index = node(n).details;
    return index == NoDetails ? none : m_details[static_cast<size_t>(index)];
}

std::unique_ptr<BookmarkModel> TreeToTables(ParsedTree parsed, FormId form, const QString& location)
{
    const IconIndex::EntryImages images = IconIndex::of(form);

    // Folder rows follow node order, so each folder's row is known before its entries are
    // written: a parent always comes before its children.
    std::vector<int> rowOfNode(static_cast<size_t>(parsed.size()), -1);
    auto model = std::make_unique<BookmarkModel>(form, location);
    // The records keep the tree's details indices.
    model->adoptDetails(parsed.takeDetailsTable());
    int entries = 0;
    for (int n = 0; n < parsed.size(); ++n) {
        const ParsedTree::Node& node = parsed.node(n);
        entries += static_cast<int>(node.children.size());
        if (!node.isFolder())
            continue;
        const int parentRow = node.parent == -1 ? -1 : rowOfNode[static_cast<size_t>(node.parent)];
        const int row = model->addFolder(parentRow, node.caption);
        rowOfNode[static_cast<size_t>(n)] = row;
        model->setFolderDates(row, node.dates);
        model->setFolderRole(row, node.role);
        model->setFolderDetails(row, node.details);
    }
    model->reserveEntries(entries);
    for (int n = 0; n < parsed.size(); ++n) {
        const int row = rowOfNode[static_cast<size_t>(n)];
        if (row == -1)
            continue;
        model->beginEntries(row);
        for (int child : parsed.node(n).children) {
            ParsedTree::Node& entry = parsed.node(child);
            LinkRecord record;
            record.Kind = entry.kind;
            // A folder's name is still wanted for its own row, made in the first pass.
            record.Name = entry.isFolder() ? entry.caption : std::move(entry.caption);
            record.URL = std::move(entry.url);
            switch (entry.kind) {
            case EntryKind::Folder:
                record.SubfolderRow = rowOfNode[static_cast<size_t>(child)];
                record.IconIndex = images.folder;
                break;
            case EntryKind::Link:
                record.IconIndex = images.link;
                record.Dates = entry.dates;
                record.Details = entry.details;
                record.OnToolbar = entry.onToolbar;
                break;
            case EntryKind::Separator:
                break;
            }
            model->appendEntry(std::move(record));
        }
        model->endEntries(row);
    }
    model->setExpanded(0, true);
    return model;
}

} // namespace orvalink
