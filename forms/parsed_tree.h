// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"

#include <QString>
#include <memory>
#include <vector>

namespace orvalink {

// A bookmark file or hotlist as its reader reads it: folders, links and separators in file order,
// parents before children, each with what the file keeps of it besides its name. Names stay
// exactly as read: two entries of one name in a folder are two entries of that name, and the
// tree tells them apart by their node numbers alone.
class ParsedTree
{
public:
    struct Node
    {
        int parent = -1;
        EntryKind kind = EntryKind::Folder;
        // Both empty for a separator; the URL empty for a folder.
        QString caption;
        QString url;
        std::vector<int> children;
        EntryDates dates;
        // In the tree's side table (see details()).
        int details = NoDetails;
        // For a folder.
        FolderRole role = FolderRole::Ordinary;
        // For a link: Opera shows it on its personal bar.
        bool onToolbar = false;

        bool isFolder() const { return kind == EntryKind::Folder; }
    };

    explicit ParsedTree(QString rootCaption);

    static constexpr int root() { return 0; }

    // Add an entry at the end of parent's children and return its node.
    int addFolder(int parent, QString name);
    int addLink(int parent, QString name, QString url);
    int addSeparator(int parent);
    // The node's details, for filling in: made when the node has none yet. Readers ask only to
    // set something, so no node ends up with details that hold nothing.
    EntryDetails& editDetails(int n);

    const std::vector<Node>& nodes() const { return m_nodes; }
    const Node& node(int n) const { return m_nodes[static_cast<size_t>(n)]; }
    // For readers filling in what follows an entry's name (dates, role, details).
    Node& node(int n) { return m_nodes[static_cast<size_t>(n)]; }
    const EntryDetails& details(int n) const;
    // The side table the nodes' details indices point into.
    const std::vector<EntryDetails>& detailsTable() const { return m_details; }
    std::vector<EntryDetails> takeDetailsTable() { return std::move(m_details); }
    int size() const { return static_cast<int>(m_nodes.size()); }
    void reserve(int count) { m_nodes.reserve(static_cast<size_t>(count)); }

private:
    int add(int parent, EntryKind kind, QString name, QString url);

    std::vector<Node> m_nodes;
    std::vector<EntryDetails> m_details;
};

// Turns a parsed tree into the tables and the folder tree of a loaded source: one folder row
// per folder node in node order, each with one entry per child (with the form's entry images),
// then the tree over the rows. Dates, roles and details come along.
// The tree's names, addresses and details move into the tables: pass a tree that is no longer
// needed as an rvalue, and nothing is copied.
std::unique_ptr<BookmarkModel> TreeToTables(ParsedTree parsed, FormId form,
                                            const QString& location);

} // namespace orvalink
