#pragma once

#include "model/bookmark_model.h"

#include <QSet>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

namespace orvalink {

// A bookmark file or hotlist as its tree builder reads it: folders and links in file order,
// parents before children. A node with children or without a URL is a folder.
//
// Names are unique among the children of one folder, compared exactly: a name already taken
// gets a number, so the second "Mail" becomes "Mail(2)", the third "Mail(3)"; a name already
// holding "(1)" has each "(1)" renumbered ("Page (1)" becomes "Page (2)(2)"). The numbering never
// looks at deeper entries, so a name holding a backslash cannot collide with one.
class ParsedTree
{
public:
    struct Node
    {
        int parent = -1;
        QString caption;
        QString url;
        std::vector<int> children;

        bool isFolder() const { return !children.empty() || url.isEmpty(); }
    };

    explicit ParsedTree(QString rootCaption);
    ParsedTree(ParsedTree&&) noexcept;
    ParsedTree& operator=(ParsedTree&&) noexcept;
    ~ParsedTree();

    static constexpr int root() { return 0; }

    // Adds a child under parent, numbering its name when the parent already has one of that
    // name, and returns the new node. A folder is added with an empty URL.
    int addChild(int parent, const QString& name, QString url = QString());
    // No more children will come to this folder; forgets the names it remembered for numbering.
    void closeFolder(int folder);

    const std::vector<Node>& nodes() const { return m_nodes; }
    const Node& node(int n) const { return m_nodes[static_cast<size_t>(n)]; }
    int size() const { return static_cast<int>(m_nodes.size()); }
    void reserve(int count) { m_nodes.reserve(static_cast<size_t>(count)); }

private:
    struct NumberingMemo;
    QString uniqueName(int parent, const QString& name);

    std::vector<Node> m_nodes;
    // The names taken among the children of folders still open, as (folder, name). One set for
    // all folders: a file of thousands of nested folders must not cost a set per folder.
    QSet<std::pair<int, QString>> m_takenNames;
    // Only folders where names collided remember how far the numbering went.
    std::unordered_map<int, std::unique_ptr<NumberingMemo>> m_numbering;
};

// Turns a parsed tree into the tables and the folder tree of a loaded source: one folder row
// per folder node in node order, each with one entry per child (with the form's entry images),
// then the tree over the rows.
std::unique_ptr<BookmarkModel> TreeToTables(const ParsedTree& parsed, FormId form,
                                            const QString& location);

} // namespace orvalink
