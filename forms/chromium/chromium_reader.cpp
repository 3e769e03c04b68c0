// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_reader.h"

#include "forms/chromium/chromium_bookmarks.h"

namespace orvalink {

namespace {

// The file's microseconds since 1601 as the model's time; unknown where the file has none.
BookmarkTime timeOf(qint64 chromiumTime)
{
    const std::optional<qint64> seconds =
        chromiumTime == 0 ? std::nullopt : chromiumTimeToUnixSeconds(chromiumTime);
    return seconds ? BookmarkTime::fromSeconds(*seconds) : BookmarkTime();
}

} // namespace

ParsedTree parseChromiumText(QByteArrayView text)
{
    ParsedTree tree(QStringLiteral("Bookmarks"));
    const std::optional<ChromiumBookmarks> file = readChromiumBookmarks(text);
    if (!file)
        return tree;
    tree.reserve(static_cast<int>(file->nodes.size()) + 1);
    // The tree node of each file node; parents come before their children.
    std::vector<int> treeNode(file->nodes.size(), -1);
    for (int root = 0; root < kChromiumRootCount; ++root) {
        const int first = file->roots[size_t(root)];
        const int end = file->rootEnd(ChromiumRoot(root));
        for (int n = first; n < end; ++n) {
            const ChromiumNode& node = file->nodes[size_t(n)];
            if (node.kind == ChromiumNode::Kind::Unusable)
                continue;
            // ----- What the model holds of a node: the one place that fills it. -----
            const int parent = n == first ? ParsedTree::root() : treeNode[size_t(node.parent)];
            int made = -1;
            if (n == first) {
                made = tree.addFolder(parent, kChromiumRoots[size_t(root)].shownName.toString());
                tree.node(made).role = kChromiumRootRoles[size_t(root)];
            } else if (node.kind == ChromiumNode::Kind::Folder) {
                made = tree.addFolder(parent, node.name);
            } else {
                made = tree.addLink(parent, node.name, QString::fromUtf8(node.url));
            }
            tree.node(made).dates =
                EntryDates{timeOf(node.added), timeOf(node.modified), timeOf(node.lastUsed)};
            treeNode[size_t(n)] = made;
        }
    }
    return tree;
}

SourceCounts countChromiumText(QByteArrayView text,
                               const std::function<void(const QString&)>& onFolder)
{
    SourceCounts counts;
    const std::optional<ChromiumBookmarks> file = readChromiumBookmarks(text);
    if (!file)
        return counts;
    for (int root = 0; root < kChromiumRootCount; ++root) {
        const int first = file->roots[size_t(root)];
        const int end = file->rootEnd(ChromiumRoot(root));
        for (int n = first; n < end; ++n) {
            const ChromiumNode& node = file->nodes[size_t(n)];
            if (node.kind == ChromiumNode::Kind::Folder) {
                ++counts.folders;
                onFolder(n == first ? kChromiumRoots[size_t(root)].shownName.toString()
                                    : node.name);
            } else if (node.kind == ChromiumNode::Kind::Link) {
                ++counts.links;
            }
        }
    }
    return counts;
}

} // namespace orvalink
