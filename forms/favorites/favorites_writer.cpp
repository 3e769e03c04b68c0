// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/favorites_writer.h"

#include "forms/favorites/file_names.h"
#include "forms/favorites/internet_shortcut_writer.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <cerrno>
#include <optional>
#include <vector>

namespace orvalink {

namespace {

constexpr QStringView kShortcutExtension = u".URL";
// Directories held open at once; see OpenDirectories.
constexpr int kMaxHeldOpen = 64;

// One directory written to: the base folder, or the folder of one exported node.
struct Directory
{
    // The directory that holds it and its name there; the base folder is directory 0 and has
    // neither.
    size_t parent = 0;
    QByteArray rawName;
    // Created or found by this export; nothing goes into a folder that could not be.
    bool usable = false;
    // The names given out in it, folders and links alike.
    FolderNames names;
    // The dates of the folder it was written for.
    EntryDates dates;
};

// The file times that keep an entry's dates: its last write is when it was changed (or, when
// that is unknown, added), its creation when it was added.
void setFileTimes(const DirectoryHandle& directory, const QByteArray& rawName,
                  const EntryDates& dates)
{
    const BookmarkTime written = dates.modified.isKnown() ? dates.modified : dates.added;
    std::optional<qint64> writeTime;
    std::optional<qint64> creationTime;
    if (written.isKnown())
        writeTime = written.seconds();
    if (dates.added.isKnown())
        creationTime = dates.added.seconds();
    // A time the file system cannot hold leaves the file's own: the link itself is written.
    directory.setTimes(rawName, writeTime, creationTime);
}

// The directories of an export as open handles, from the base folder down to the one used last.
// Each is reached from its parent by name, never through a link. Only the way down to the
// directory in use is held, and of that at most kMaxHeldOpen handles: a tree nested thousands of
// levels deep must not run out of descriptors. A directory closed on the way is opened again by
// name from the nearest one still open.
class OpenDirectories
{
public:
    OpenDirectories(const std::vector<Directory>& directories, DirectoryHandle base)
        : m_directories(directories)
    {
        m_path.push_back({0, std::move(base)});
    }

    // The handle of directory index; an invalid one, with errno set, when it cannot be opened.
    // Valid until the next call.
    const DirectoryHandle& open(size_t index)
    {
        std::vector<size_t> down;
        for (size_t step = index; step != 0; step = m_directories[step].parent)
            down.push_back(step);
        // The directories held that lie on the way down stay; the others are done with.
        size_t kept = 1;
        while (kept < m_path.size() && kept <= down.size() &&
               m_path[kept].index == down[down.size() - kept])
            ++kept;
        m_path.erase(m_path.begin() + static_cast<std::ptrdiff_t>(kept), m_path.end());
        for (size_t step = kept; step <= down.size(); ++step)
            m_path.push_back({down[down.size() - step], DirectoryHandle()});
        return held(m_path.size() - 1);
    }

private:
    struct Held
    {
        size_t index = 0;
        DirectoryHandle handle;
    };

    const DirectoryHandle& held(size_t position)
    {
        size_t from = position;
        while (!m_path[from].handle.isValid() && from > 0)
            --from;
        for (size_t step = from + 1; step <= position; ++step) {
            m_path[step].handle = m_path[step - 1].handle.openChild(
                m_directories[m_path[step].index].rawName, DirectoryHandle::Links::Refuse);
            if (!m_path[step].handle.isValid())
                return m_path[step].handle;
        }
        closeSurplus(position);
        return m_path[position].handle;
    }

    // Closes the handles nearest the base (the base aside) beyond the limit; the one in use stays.
    void closeSurplus(size_t inUse)
    {
        int open = 0;
        for (const Held& entry : m_path)
            open += entry.handle.isValid() ? 1 : 0;
        for (size_t step = 1; step < inUse && open > kMaxHeldOpen; ++step) {
            if (m_path[step].handle.isValid()) {
                m_path[step].handle.close();
                --open;
            }
        }
    }

    const std::vector<Directory>& m_directories;
    std::vector<Held> m_path;
};

// The checks before an export catch a missing Favorites folder with their own message; this one
// is for callers that write without them.
UserMessage favoritesFolderMissing(const QString& folder)
{
    return UserMessage{QCoreApplication::translate("orvalink::FavoritesWriter", "Error"),
                       {QCoreApplication::translate("orvalink::FavoritesWriter",
                                                    "The Favorites Folder Does Not Exist."),
                        folder},
                       MessageIcon::Critical};
}

// Gives out the next name for an entry of directory under which nothing stands on disk but what
// the entry may take over: a real directory for a folder, a regular file for a link. handle is
// the directory's; when it is not open the name is given out unlooked.
QByteArray claimFreeName(Directory& directory, const DirectoryHandle& handle, const QString& name,
                         QStringView extension, const FileNameRules& rules, EntryType reusable)
{
    for (;;) {
        const QByteArray rawName = rawFileName(directory.names.claim(name, extension, rules));
        const EntryType there = handle.entryType(rawName);
        if (there == EntryType::Missing || there == reusable)
            return rawName;
    }
}

// Creates the folder directory of the one at its parent's place, or finds a real directory of
// its name there; false, with errno set, when neither.
bool makeFolder(OpenDirectories& open, const std::vector<Directory>& directories, size_t index)
{
    const DirectoryHandle& parent = open.open(directories[index].parent);
    if (!parent.isValid())
        return false;
    if (!parent.makeDirectory(directories[index].rawName) && errno != EEXIST)
        return false;
    return open.open(index).isValid();
}

void writeLinks(const BookmarkModel& model, int row, bool exportAll, size_t index,
                std::vector<Directory>& directories, OpenDirectories& open,
                FavoritesExportReport& report)
{
    FileNameRules rules;
    rules.maxCharacters = kMaxLinkNameCharacters;
    Directory& directory = directories[index];
    const DirectoryHandle* handle = directory.usable ? &open.open(index) : nullptr;
    const int openError = handle && !handle->isValid() ? errno : 0;
    const FolderRecord& folder = model.folder(row);
    for (int linkRow = folder.FirstLink; linkRow <= folder.LastLink; ++linkRow) {
        const LinkRecord& link = model.link(linkRow);
        if (!link.isLink() || !(exportAll || link.Selected))
            continue;
        if (!handle || !handle->isValid()) {
            report.addLinkNotWritten(openError);
            continue;
        }
        const QByteArray rawName = claimFreeName(directory, *handle, link.Name, kShortcutExtension,
                                                 rules, EntryType::RegularFile);
        if (handle->writeFile(
                rawName, internetShortcutContents(link.URL, model.details(link.Details).iconUri))) {
            setFileTimes(*handle, rawName, link.Dates);
            report.addLinkWritten();
        } else {
            report.addLinkNotWritten(errno);
        }
    }
}

} // namespace

void FavoritesExportReport::addFolderNotCreated(int error)
{
    ++m_foldersNotCreated;
    addFailure(error);
}

void FavoritesExportReport::addLinkNotWritten(int error)
{
    ++m_linksNotWritten;
    addFailure(error);
}

void FavoritesExportReport::addFailure(int error)
{
    if (m_firstFailure.isEmpty() && error != 0)
        m_firstFailure = systemErrorText(error);
}

Result<FavoritesExportReport, UserMessage> ExportToFav(BookmarkModel& model,
                                                       const QString& favoritesFolder,
                                                       const FavoritesExportOptions& options,
                                                       Progress& progress)
{
    // The Favorites folder itself is followed when it is a link: the user chose it.
    DirectoryHandle favorites = DirectoryHandle::open(favoritesFolder);
    if (!favorites.isValid())
        return favoritesFolderMissing(favoritesFolder);
    const FolderTree& tree = model.tree();

    FavoritesExportReport report;
    FileNameRules folderRules;
    DirectoryHandle base;
    switch (options.where) {
    case FavoritesWhere::Root:
        base = std::move(favorites);
        break;
    case FavoritesWhere::NewFolder: {
        Directory inFavorites;
        const QByteArray rawName = claimFreeName(inFavorites, favorites, options.newFolderName, {},
                                                 folderRules, EntryType::Directory);
        if (favorites.makeDirectory(rawName) || errno == EEXIST)
            base = favorites.openChild(rawName, DirectoryHandle::Links::Refuse);
        break;
    }
    case FavoritesWhere::ExistingFolder:
        base = openSubfolder(favoritesFolder, options.existingFolder);
        break;
    }
    if (!base.isValid())
        report.addFailure(errno);

    // directories[0] is the base folder; nodeDirectory[n] is the directory node n's links go
    // into, which for a node that is not exported is that of its nearest exported ancestor.
    std::vector<Directory> directories(1);
    directories.reserve(static_cast<size_t>(tree.size()) + 1);
    directories[0].usable = base.isValid();
    OpenDirectories open(directories, std::move(base));
    std::vector<size_t> nodeDirectory(static_cast<size_t>(tree.size()), 0);

    // Parents come before their children, so each node's parent is placed before the node.
    for (int node = 0; node < tree.size(); ++node) {
        const FolderTree::Node& treeNode = tree.node(node);
        const size_t parentDirectory =
            treeNode.parent == FolderTree::NoNode ? 0 : nodeDirectory[size_t(treeNode.parent)];
        nodeDirectory[size_t(node)] = parentDirectory;
        if (!options.exportAll && !treeNode.checked)
            continue;

        if (node != FolderTree::root()) {
            Directory directory;
            directory.parent = parentDirectory;
            directory.dates = model.folder(treeNode.tag).Dates;
            if (directories[parentDirectory].usable) {
                directory.rawName =
                    claimFreeName(directories[parentDirectory], open.open(parentDirectory),
                                  treeNode.caption, {}, folderRules, EntryType::Directory);
            }
            const size_t index = directories.size();
            nodeDirectory[size_t(node)] = index;
            const bool parentUsable = directories[parentDirectory].usable;
            directories.push_back(std::move(directory));
            directories[index].usable = parentUsable && makeFolder(open, directories, index);
            if (directories[index].usable)
                report.addFolderWritten();
            else
                report.addFolderNotCreated(parentUsable ? errno : 0);
        }
        progress.status(
            QCoreApplication::translate("orvalink::Progress", "Exporting From Folder: %1")
                .arg(treeNode.caption));
        // A folder that cannot be listed simply has no links to give.
        model.ensureListed(treeNode.tag);
        writeLinks(model, treeNode.tag, options.exportAll, nodeDirectory[size_t(node)], directories,
                   open, report);
    }
    // Last, as every file made in a folder changes its time of last write.
    for (size_t index = 1; index < directories.size(); ++index) {
        const Directory& directory = directories[index];
        if (directory.usable)
            setFileTimes(open.open(directory.parent), directory.rawName, directory.dates);
    }
    return report;
}

} // namespace orvalink
