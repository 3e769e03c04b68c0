// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"

#include <vector>

namespace orvalink {

// What a writer does at each step of the export walk.
class ExportVisitor
{
public:
    virtual ~ExportVisitor() = default;

    // An exported folder begins (node is a FolderTree node; the root is node 0).
    virtual void openFolder(int node) = 0;
    // A link of the exported folder being written (a link table row).
    virtual void writeLink(int linkRow) = 0;
    // A separator of the exported folder being written; only a walk that keeps the source's
    // order meets any.
    virtual void writeSeparator() = 0;
    // The exported folder opened last ends.
    virtual void closeFolder(int node) = 0;
};

// Walks the folder tree from node down, as the bookmark file and hotlist writers export it. A
// node is exported when options.exportAll or its check box is set; an exported node is opened,
// gets its entries and is closed. A node that is not exported writes nothing of its own, but its
// exported descendants are still written, in its place in its parent's entries.
//
// By default a folder's links come sorted by name, before or after its subfolders as
// options.linksBefore says, and its subfolders in the tree's display order; with
// options.keepOrder its links, subfolders and separators come in the source's order instead.
// Links are all of the folder's, or only the checked ones. Reports "Exporting From Folder: " +
// caption once per exported folder and lists each exported folder before taking its entries.
//
// The walk keeps its own stack: trees of any depth are written without deep recursion.
void walkExportedFolders(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ExportVisitor& visitor);

// One entry of an exported folder as an export writes it.
struct ExportedEntry
{
    EntryKind kind;
    // A link's link table row, or a folder's tree node (a separator has neither).
    int index;
};

// The entries of the folder at node in the source's order, as a walk that keeps it writes them:
// with ownEntries, its links (all, or the checked ones) and separators; and always its subfolders
// that are exported where they stand, a subfolder that is not exported standing for its own
// exported subfolders, in their order, in its place. Every folder looked into is listed.
std::vector<ExportedEntry> entriesInSourceOrder(BookmarkModel& model, int node, bool exportAll,
                                                bool ownEntries);

} // namespace orvalink
