// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/export_walk.h"

#include <QCoreApplication>
#include <utility>

namespace orvalink {

namespace {

bool isExported(const FolderTree& tree, int node, bool exportAll)
{
    return exportAll || tree.node(node).checked;
}

// The exported folders at and below the children of node, a folder that is not exported standing
// for its own, in the tree's display order.
void appendExportedSubfolders(const FolderTree& tree, int node, bool exportAll,
                              std::vector<ExportedEntry>& entries)
{
    std::vector<int> pending;
    const std::vector<int>& children = tree.children(node);
    pending.assign(children.rbegin(), children.rend());
    while (!pending.empty()) {
        const int current = pending.back();
        pending.pop_back();
        if (isExported(tree, current, exportAll)) {
            entries.push_back({EntryKind::Folder, current});
            continue;
        }
        const std::vector<int>& below = tree.children(current);
        pending.insert(pending.end(), below.rbegin(), below.rend());
    }
}

// The entries of the folder at node in the default order: its links sorted by name (when
// ownEntries) before or after its exported subfolders.
std::vector<ExportedEntry> entriesSorted(BookmarkModel& model, int node,
                                         const FileExportOptions& options, bool ownEntries)
{
    std::vector<ExportedEntry> entries;
    std::vector<int> links;
    if (ownEntries) {
        // A folder that cannot be listed simply has no links to give.
        model.ensureListed(model.tree().node(node).tag);
        links = model.GetFolderLinks(model.tree().node(node).tag, options.exportAll);
    }
    const auto appendLinks = [&] {
        for (const int row : links)
            entries.push_back({EntryKind::Link, row});
    };
    if (options.linksBefore)
        appendLinks();
    appendExportedSubfolders(model.tree(), node, options.exportAll, entries);
    if (!options.linksBefore)
        appendLinks();
    return entries;
}

// One folder being written: the entries still to write.
struct Frame
{
    int node = 0;
    bool exported = false;
    std::vector<ExportedEntry> entries;
    size_t next = 0;
};

} // namespace

std::vector<ExportedEntry> entriesInSourceOrder(BookmarkModel& model, int node, bool exportAll,
                                                bool ownEntries)
{
    const FolderTree& tree = model.tree();
    std::vector<ExportedEntry> entries;
    // Folders being looked into, with the next entry row of each: the first is node's own, the
    // others are not exported and give only their exported subfolders.
    std::vector<std::pair<int, int>> open;
    const auto look = [&](int folderNode) {
        const int row = tree.node(folderNode).tag;
        model.ensureListed(row);
        open.emplace_back(row, model.folder(row).FirstLink);
    };
    look(node);
    while (!open.empty()) {
        auto& [row, next] = open.back();
        if (next > model.folder(row).LastLink) {
            open.pop_back();
            continue;
        }
        const int entryRow = next++;
        // Taken out first: listing a folder below may move the link table, and look() the stack.
        const EntryKind kind = model.link(entryRow).Kind;
        const bool selected = model.link(entryRow).Selected;
        const int subfolder = model.link(entryRow).SubfolderRow;
        const bool own = ownEntries && open.size() == 1;
        switch (kind) {
        case EntryKind::Link:
            if (own && (exportAll || selected))
                entries.push_back({EntryKind::Link, entryRow});
            break;
        case EntryKind::Separator:
            if (own)
                entries.push_back({EntryKind::Separator, -1});
            break;
        case EntryKind::Folder:
            // Node n of the tree shows folder row n.
            if (isExported(tree, subfolder, exportAll))
                entries.push_back({EntryKind::Folder, subfolder});
            else
                look(subfolder);
            break;
        }
    }
    return entries;
}

void walkExportedFolders(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ExportVisitor& visitor)
{
    const FolderTree& tree = model.tree();
    // Looked up once: a large tree has many folders.
    const QString exportingFrom =
        QCoreApplication::translate("orvalink::Progress", "Exporting From Folder: %1");
    const auto entriesOf = [&](int folderNode, bool exported) {
        return options.keepOrder
                   ? entriesInSourceOrder(model, folderNode, options.exportAll, exported)
                   : entriesSorted(model, folderNode, options, exported);
    };
    const auto enter = [&](int folderNode, std::vector<Frame>& stack) {
        const bool exported = isExported(tree, folderNode, options.exportAll);
        if (exported) {
            progress.status(exportingFrom.arg(tree.node(folderNode).caption));
            visitor.openFolder(folderNode);
        }
        stack.push_back(Frame{folderNode, exported, entriesOf(folderNode, exported), 0});
    };

    std::vector<Frame> stack;
    enter(node, stack);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.entries.size()) {
            if (frame.exported)
                visitor.closeFolder(frame.node);
            stack.pop_back();
            continue;
        }
        const ExportedEntry entry = frame.entries[frame.next++];
        switch (entry.kind) {
        case EntryKind::Link:
            visitor.writeLink(entry.index);
            break;
        case EntryKind::Separator:
            visitor.writeSeparator();
            break;
        case EntryKind::Folder:
            // frame is not used after this: the push may move the stack.
            enter(entry.index, stack);
            break;
        }
    }
}

} // namespace orvalink
