#include "forms/parsed_tree.h"

#include <QHash>
#include <utility>

namespace orvalink {

// For each name that collided among one folder's children, the last number it reached and the
// name that number gave, so the next collision resumes there: 100,000 untitled entries in one
// folder take linear time, not quadratic.
struct ParsedTree::NumberingMemo
{
    QHash<QString, std::pair<int, QString>> lastTry;
};

ParsedTree::ParsedTree(QString rootCaption)
{
    m_nodes.push_back(Node{-1, std::move(rootCaption), QString(), {}});
}

ParsedTree::ParsedTree(ParsedTree&&) noexcept = default;
ParsedTree& ParsedTree::operator=(ParsedTree&&) noexcept = default;
ParsedTree::~ParsedTree() = default;

QString ParsedTree::uniqueName(int parent, const QString& name)
{
    if (!m_takenNames.contains({parent, name})) {
        m_takenNames.insert({parent, name});
        return name;
    }
    // The first collision appends "(1)"; every further try turns each "(k-1)" into "(k)", so
    // the first name actually tried is the one numbered 2.
    std::unique_ptr<NumberingMemo>& memo = m_numbering[parent];
    if (!memo)
        memo = std::make_unique<NumberingMemo>();
    auto last = memo->lastTry.constFind(name);
    int k = 1;
    QString candidate = name + QStringLiteral("(1)");
    if (last != memo->lastTry.constEnd()) {
        k = last->first;
        candidate = last->second;
    }
    do {
        ++k;
        candidate.replace(QStringLiteral("(%1)").arg(k - 1), QStringLiteral("(%1)").arg(k));
    } while (m_takenNames.contains({parent, candidate}));
    memo->lastTry.insert(name, {k, candidate});
    m_takenNames.insert({parent, candidate});
    return candidate;
}

int ParsedTree::addChild(int parent, const QString& name, QString url)
{
    const int node = size();
    m_nodes.push_back(Node{parent, uniqueName(parent, name), std::move(url), {}});
    m_nodes[static_cast<size_t>(parent)].children.push_back(node);
    return node;
}

void ParsedTree::closeFolder(int folder)
{
    for (int child : node(folder).children)
        m_takenNames.remove({folder, node(child).caption});
    m_numbering.erase(folder);
}

std::unique_ptr<BookmarkModel> TreeToTables(const ParsedTree& parsed, FormId form,
                                            const QString& location)
{
    const IconIndex::EntryImages images = IconIndex::of(form);

    // Folder rows follow node order, so each folder's row is known before its entries are
    // written: a parent always comes before its children.
    std::vector<int> rowOfNode(static_cast<size_t>(parsed.size()), -1);
    auto model = std::make_unique<BookmarkModel>(form, location);
    int links = 0;
    for (int n = 0; n < parsed.size(); ++n) {
        const ParsedTree::Node& node = parsed.node(n);
        links += static_cast<int>(node.children.size());
        if (!node.isFolder())
            continue;
        const int parentRow = node.parent == -1 ? -1 : rowOfNode[static_cast<size_t>(node.parent)];
        rowOfNode[static_cast<size_t>(n)] = model->addFolder(parentRow, node.caption);
    }
    model->reserveEntries(links);
    for (int n = 0; n < parsed.size(); ++n) {
        const int row = rowOfNode[static_cast<size_t>(n)];
        if (row == -1)
            continue;
        model->beginEntries(row);
        for (int child : parsed.node(n).children) {
            const ParsedTree::Node& entry = parsed.node(child);
            LinkRecord record;
            record.Name = entry.caption;
            record.URL = entry.url;
            if (entry.isFolder()) {
                record.SubfolderRow = rowOfNode[static_cast<size_t>(child)];
                record.IconIndex = images.folder;
            } else {
                record.IconIndex = images.link;
            }
            model->appendEntry(std::move(record));
        }
        model->endEntries(row);
    }
    model->setExpanded(0, true);
    return model;
}

} // namespace orvalink
