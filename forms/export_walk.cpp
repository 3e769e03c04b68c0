#include "forms/export_walk.h"

#include <utility>

namespace orvalink {

namespace {

struct Frame
{
    int node = 0;
    bool entered = false;
    bool exported = false;
    size_t nextChild = 0;
    // Kept while the subfolders are written, for links that come after them.
    std::vector<NameUrlPair> links;
};

} // namespace

void walkExportedFolders(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ExportVisitor& visitor)
{
    const FolderTree& tree = model.tree();
    std::vector<Frame> stack;
    stack.push_back(Frame{node, false, false, 0, {}});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (!frame.entered) {
            frame.entered = true;
            frame.exported = options.exportAll || tree.node(frame.node).checked;
            if (frame.exported) {
                progress.status(QStringLiteral("Exporting From Folder: ") +
                                tree.node(frame.node).caption);
                visitor.openFolder(frame.node);
                const int row = tree.node(frame.node).tag;
                // A folder that cannot be listed simply has no links to give.
                model.ensureListed(row);
                frame.links = model.GetFolderLinks(row, options.exportAll);
                if (options.linksBefore)
                    visitor.writeLinks(frame.links);
            }
        }
        const std::vector<int>& children = tree.children(frame.node);
        if (frame.nextChild < children.size()) {
            const int child = children[frame.nextChild++];
            // frame is not used after this: the push may move the stack.
            stack.push_back(Frame{child, false, false, 0, {}});
            continue;
        }
        if (frame.exported) {
            if (!options.linksBefore)
                visitor.writeLinks(frame.links);
            visitor.closeFolder(frame.node);
        }
        stack.pop_back();
    }
}

} // namespace orvalink
