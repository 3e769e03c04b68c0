// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_reader.h"

#include "forms/chromium/chromium_bookmarks.h"
#include "model/model_builder.h"

#include <vector>

namespace orvalink {

namespace {

// The file's microseconds since 1601 as the model's time; unknown where the file has none.
BookmarkTime timeOf(qint64 chromiumTime)
{
    const std::optional<qint64> seconds =
        chromiumTime == 0 ? std::nullopt : chromiumTimeToUnixSeconds(chromiumTime);
    return seconds ? BookmarkTime::fromSeconds(*seconds) : BookmarkTime();
}

ModelBuilder chromiumModelBuilder(const QString& location)
{
    return ModelBuilder(FormId::Chromium, location, QStringLiteral("Bookmarks"));
}

} // namespace

std::unique_ptr<BookmarkModel> emptyChromiumModel(const QString& location)
{
    return chromiumModelBuilder(location).finish();
}

std::unique_ptr<BookmarkModel> parseChromiumText(QByteArrayView text, const QString& location)
{
    const std::optional<ChromiumBookmarks> file = readChromiumBookmarks(text);
    if (!file)
        return nullptr;
    ModelBuilder builder = chromiumModelBuilder(location);
    const std::vector<ChromiumFileNode>& nodes = file->nodes;
    // Each folder is an entry of its parent's too.
    builder.reserve(file->folders, file->folders + file->links);
    // Whether a node is in the model: a link's children, which no browser shows, are not.
    std::vector<bool> shown(nodes.size(), false);
    // The folders open in the builder, innermost last. Nodes come before their children and
    // each subtree is one run, so a node's parent is always among them.
    std::vector<int> open;
    for (int root = 0; root < kChromiumRootCount; ++root) {
        const int first = file->roots[size_t(root)];
        const int end = file->rootEnd(ChromiumRoot(root));
        for (int n = first; n < end; ++n) {
            const ChromiumFileNode& node = nodes[size_t(n)];
            const bool underFolder =
                n == first || (shown[size_t(node.parent)] &&
                               nodes[size_t(node.parent)].kind == ChromiumNode::Kind::Folder);
            if (node.kind == ChromiumNode::Kind::Unusable || !underFolder)
                continue;
            shown[size_t(n)] = true;
            const int parent = n == first ? -1 : node.parent;
            while (!open.empty() && open.back() != parent) {
                builder.closeFolder();
                open.pop_back();
            }
            // ----- What the model holds of a node: the one place that fills it. -----
            const EntryDates dates{timeOf(node.added), timeOf(node.modified),
                                   timeOf(node.lastUsed)};
            if (node.kind == ChromiumNode::Kind::Folder) {
                FolderRecord& folder = builder.folder(builder.openFolder(
                    n == first ? kChromiumRoots[size_t(root)].shownName.toString()
                               : builder.keptUtf8(node.name)));
                if (n == first)
                    folder.Role = kChromiumRootRoles[size_t(root)];
                folder.Dates = dates;
                open.push_back(n);
            } else {
                builder.addLink(builder.keptUtf8(node.name), builder.keptUtf8(node.url)).Dates =
                    dates;
            }
        }
    }
    return builder.finish();
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
            const ChromiumFileNode& node = file->nodes[size_t(n)];
            if (node.kind == ChromiumNode::Kind::Folder) {
                ++counts.folders;
                onFolder(n == first ? kChromiumRoots[size_t(root)].shownName.toString()
                                    : QString::fromUtf8(node.name));
            } else if (node.kind == ChromiumNode::Kind::Link) {
                ++counts.links;
            }
        }
    }
    return counts;
}

} // namespace orvalink
