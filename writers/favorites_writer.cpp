#include "writers/favorites_writer.h"

#include "sources/file_helpers.h"
#include "sources/source_loader.h"
#include "writers/file_names.h"
#include "writers/internet_shortcut_writer.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace orvalink {

namespace {

constexpr QStringView kShortcutExtension = u".URL";

// One directory written to: the base folder, or the folder of one exported node.
struct Directory
{
    // Ends in a separator.
    QString path;
    bool exists = false;
    // The names given out in it, folders and links alike.
    FolderNames names;
};

// The checks before an export catch a missing Favorites folder with their own message; this one
// is for callers that write without them.
UserMessage favoritesFolderMissing(const QString& folder)
{
    return UserMessage{QStringLiteral("Error"),
                       {QStringLiteral("The Favorites Folder Does Not Exist."), folder},
                       MessageIcon::Critical};
}

QString baseFolder(const QString& favorites, const FavoritesExportOptions& options)
{
    const QString root = AddBackslash(favorites);
    switch (options.where) {
    case FavoritesWhere::Root:
        break;
    case FavoritesWhere::NewFolder: {
        FileNameRules rules;
        return root + safeFileName(options.newFolderName, 1, {}, rules) + kPathSeparator;
    }
    case FavoritesWhere::ExistingFolder:
        if (!options.existingFolder.isEmpty())
            return AddBackslash(
                root + QDir::cleanPath(QDir::fromNativeSeparators(options.existingFolder)));
        break;
    }
    return root;
}

void writeLinks(const BookmarkModel& model, int row, bool exportAll, Directory& directory,
                FavoritesExportReport& report)
{
    FileNameRules rules;
    rules.maxCharacters = kMaxLinkNameCharacters;
    const FolderRecord& folder = model.folder(row);
    for (int linkRow = folder.FirstLink; linkRow <= folder.LastLink; ++linkRow) {
        const LinkRecord& link = model.link(linkRow);
        if (link.isSubfolder() || !(exportAll || link.Selected))
            continue;
        const QString path =
            directory.path + directory.names.claim(link.Name, kShortcutExtension, rules);
        if (directory.exists && writeShortcutFile(path, internetShortcutContents(link.URL)))
            report.addWritten();
        else
            report.addNotWritten(path);
    }
}

} // namespace

bool MakeDir(const QString& path)
{
    return QDir().mkdir(path) || QFileInfo(path).isDir();
}

Result<FavoritesExportReport, UserMessage>
ExportToFav(Job& job, const FavoritesExportOptions& options, Progress& progress)
{
    if (!FolderExists(job.IELocation))
        return favoritesFolderMissing(job.IELocation);
    Result<BookmarkModel*> source = loadedSource(job, progress);
    if (!source)
        return UserMessage{QStringLiteral("Error"), {source.error()}, MessageIcon::Critical};
    BookmarkModel& model = *source.value();
    const FolderTree& tree = model.tree();

    // directories[0] is the base folder; nodeDirectory[n] is the directory node n's links go
    // into, which for a node that is not exported is that of its nearest exported ancestor.
    std::vector<Directory> directories(1);
    directories.reserve(static_cast<size_t>(tree.size()) + 1);
    directories[0].path = baseFolder(job.IELocation, options);
    directories[0].exists = options.where == FavoritesWhere::NewFolder
                                ? MakeDir(directories[0].path.chopped(1))
                                : FolderExists(directories[0].path);
    std::vector<size_t> nodeDirectory(static_cast<size_t>(tree.size()), 0);

    FavoritesExportReport report;
    FileNameRules folderRules;
    // Parents come before their children, so each node's parent is placed before the node.
    for (int node = 0; node < tree.size(); ++node) {
        const FolderTree::Node& treeNode = tree.node(node);
        const size_t parentDirectory =
            treeNode.parent == FolderTree::NoNode ? 0 : nodeDirectory[size_t(treeNode.parent)];
        nodeDirectory[size_t(node)] = parentDirectory;
        if (!options.exportAll && !treeNode.checked)
            continue;

        if (node != FolderTree::root()) {
            Directory& parent = directories[parentDirectory];
            Directory directory;
            directory.path = parent.path + parent.names.claim(treeNode.caption, {}, folderRules) +
                             kPathSeparator;
            directory.exists = parent.exists && MakeDir(directory.path.chopped(1));
            nodeDirectory[size_t(node)] = directories.size();
            directories.push_back(std::move(directory));
        }
        progress.status(QStringLiteral("Exporting From Folder: ") + treeNode.caption);
        // A folder that cannot be listed simply has no links to give.
        model.ensureListed(treeNode.tag);
        writeLinks(model, treeNode.tag, options.exportAll, directories[nodeDirectory[size_t(node)]],
                   report);
    }
    return report;
}

} // namespace orvalink
