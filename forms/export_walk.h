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
    // The links of the exported folder being written, sorted by name.
    virtual void writeLinks(const std::vector<NameUrlPair>& links) = 0;
    // The exported folder opened last ends.
    virtual void closeFolder(int node) = 0;
};

// Walks the folder tree from node down, as the bookmark file and hotlist writers export it. A
// node is exported when options.exportAll or its check box is set; an exported node is opened,
// gets its links (before or after its subfolders, as options.linksBefore says) and is closed
// around its subfolders. A node that is not exported writes nothing, but its subtree is still
// walked, so an exported folder below it lands in the nearest exported ancestor's list.
// Children come in the tree's display order. Reports "Exporting From Folder: " + caption once per
// exported folder and lists each exported folder before taking its links.
//
// The walk keeps its own stack: trees of any depth are written without deep recursion.
void walkExportedFolders(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ExportVisitor& visitor);

} // namespace orvalink
