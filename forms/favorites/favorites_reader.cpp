// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/favorites_reader.h"

#include "forms/favorites/internet_shortcut.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <unordered_set>
#include <utility>

namespace orvalink {

namespace {

// The identity of a directory, whatever path or link led to it.
struct DirectoryId
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const DirectoryId&) const = default;
};

struct DirectoryIdHash
{
    size_t operator()(const DirectoryId& id) const
    {
        return std::hash<quint64>()(id.device * 0x9E3779B97F4A7C15ULL ^ id.inode);
    }
};

// The identity of the directory an entry leads to, when the listing could read it.
std::optional<DirectoryId> identityOf(const DirectoryEntry& entry)
{
    if (entry.device == 0 && entry.inode == 0)
        return std::nullopt;
    return DirectoryId{entry.device, entry.inode};
}

std::optional<DirectoryId> identityOf(const DirectoryHandle& dir)
{
    DirectoryId id;
    if (!dir.identity(id.device, id.inode))
        return std::nullopt;
    return id;
}

// What a walk over a Favorites tree reports.
class WalkVisitor
{
public:
    virtual ~WalkVisitor() = default;
    // A subdirectory about to be entered. parent is the id of the folder that holds it, path
    // that folder's path ending in a separator. Returns the id of the new folder.
    virtual int enterFolder(int parent, const QString& path, const DirectoryEntry& entry) = 0;
    // The entries of a folder that could be read, in listing order; the visitor may keep them.
    virtual void listed(int folder, std::vector<DirectoryEntry>&& entries) = 0;
};

// The one walk the scanner and the loader share, so that they always agree: every directory
// below the root depth first, in listing order, without recursion. A link to a directory is
// followed unless it leads back to the directory being read or one of its ancestors, and a
// directory reached through a link (the link's target, or any folder below it) is entered once:
// links that fan out, each level linking twice to the next, would otherwise make the walk grow
// exponentially without ever forming a loop.
//
// Only the directories on the current path are held open, and of those no more than a limit: a
// tree nested thousands of levels deep must not run out of descriptors, nor be reached through
// paths longer than the system accepts.
class TreeWalk
{
public:
    TreeWalk(QString rootPath, WalkVisitor& visitor)
        : m_rootPath(AddBackslash(rootPath))
        , m_visitor(visitor)
    {}

    // Walks the tree below root (row or id 0). False when the root itself cannot be read.
    bool run(DirectoryHandle root)
    {
        Frame frame;
        frame.id = 0;
        frame.pathLength = m_rootPath.size();
        const std::optional<DirectoryId> id = identityOf(root);
        if (!id)
            return false;
        frame.identity = id;
        frame.dir = std::move(root);
        ++m_heldOpen;
        m_onPath.insert(*frame.identity);
        m_stack.push_back(std::move(frame));
        m_path = m_rootPath;
        if (!readFolder(m_stack.back()))
            return false;

        while (!m_stack.empty()) {
            const size_t top = m_stack.size() - 1;
            if (m_stack[top].next == m_stack[top].subfolders.size()) {
                pop();
                continue;
            }
            enterNext(top);
        }
        return true;
    }

private:
    struct Frame
    {
        int id = 0;
        // Open while it is read or may be needed again; see releaseParent().
        DirectoryHandle dir;
        // Set once the directory has been opened; a folder that could not be opened has no
        // identity and nothing below it.
        std::optional<DirectoryId> identity;
        // The directory could not be opened again to enter its remaining subfolders.
        bool lost = false;
        // The entry's name in its parent, for opening it again from an ancestor.
        QByteArray rawName;
        bool viaSymLink = false;
        // This folder, or one of its ancestors, was entered through a link.
        bool throughLink = false;
        std::vector<DirectoryEntry> subfolders;
        size_t next = 0;
        // Length of m_path while this folder is entered (its path ends in a separator).
        qsizetype pathLength = 0;
    };

    static constexpr int kMaxHeldOpen = 64;

    bool readFolder(Frame& frame)
    {
        std::optional<std::vector<DirectoryEntry>> entries = frame.dir.entries();
        if (!entries)
            return false;
        for (const DirectoryEntry& entry : *entries) {
            if (!entry.isDirectory)
                continue;
            // Identity is unknown only for a directory that cannot be examined, and so cannot
            // be entered either: it cannot lead back up.
            const std::optional<DirectoryId> id = identityOf(entry);
            if (!(id && m_onPath.contains(*id)))
                frame.subfolders.push_back(entry);
        }
        m_visitor.listed(frame.id, std::move(*entries));
        return true;
    }

    void enterNext(size_t top)
    {
        const DirectoryEntry& entry = m_stack[top].subfolders[m_stack[top].next++];
        const bool throughLink = m_stack[top].throughLink || entry.isSymLink;
        if (const std::optional<DirectoryId> id = identityOf(entry);
            throughLink && id && !m_reachedThroughLink.insert(*id).second) {
            return;
        }
        Frame child;
        child.id = m_visitor.enterFolder(m_stack[top].id, m_path, entry);
        child.rawName = entry.rawName;
        child.viaSymLink = entry.isSymLink;
        child.throughLink = throughLink;
        m_path += entry.name;
        m_path += kPathSeparator;
        child.pathLength = m_path.size();

        child.dir = reopen(top).openChild(entry.rawName);
        if (const std::optional<DirectoryId> id = identityOf(child.dir);
            id && !m_onPath.contains(*id)) {
            // (An identity already on the path means the entry was replaced by a link back up
            // since it was listed: it is entered as an empty folder.)
            child.identity = id;
            m_onPath.insert(*id);
            ++m_heldOpen;
        } else {
            child.dir.close();
        }
        m_stack.push_back(std::move(child));
        if (m_stack.back().identity)
            readFolder(m_stack.back());
        releaseParent(top);
    }

    // The folder being read always holds its descriptor, and the folders above it theirs up to
    // a limit, so that a parent enters its next subfolder without opening itself again. Beyond
    // the limit the parent drops its own: it is had back through ".." when the child leads back
    // to it (see pop()), else (the child was reached through a link, and has another parent on
    // disk) opened again by name when needed.
    void releaseParent(size_t parentIndex)
    {
        if (m_heldOpen > kMaxHeldOpen)
            closeDir(m_stack[parentIndex]);
    }

    void closeDir(Frame& frame)
    {
        if (frame.dir.isValid()) {
            frame.dir.close();
            --m_heldOpen;
        }
    }

    void pop()
    {
        Frame done = std::move(m_stack.back());
        m_stack.pop_back();
        if (done.identity)
            m_onPath.erase(*done.identity);
        if (done.dir.isValid())
            --m_heldOpen;
        if (m_stack.empty())
            return;
        Frame& parent = m_stack.back();
        m_path.truncate(parent.pathLength);
        if (parent.dir.isValid() || !parent.identity)
            return;
        // Even a parent with nothing left to enter needs its descriptor: its own parent is had
        // back from it in turn.
        if (done.dir.isValid() && !done.viaSymLink) {
            DirectoryHandle up = done.dir.openChild(QByteArrayLiteral(".."));
            if (identityOf(up) == parent.identity) {
                parent.dir = std::move(up);
                ++m_heldOpen;
            }
        }
    }

    // The directory of frame index, opened again from the nearest ancestor still open (or from
    // the root's path) when it was closed. An invalid handle when it cannot be had.
    const DirectoryHandle& reopen(size_t index)
    {
        Frame& frame = m_stack[index];
        if (frame.dir.isValid() || !frame.identity || frame.lost)
            return frame.dir;
        size_t base = index;
        while (base > 0 && !m_stack[base].dir.isValid())
            --base;
        DirectoryHandle current;
        size_t firstStep = base + 1;
        if (!m_stack[base].dir.isValid()) {
            current = DirectoryHandle::open(m_rootPath);
            firstStep = 1;
            if (identityOf(current) != m_stack[0].identity) {
                frame.lost = true;
                return frame.dir;
            }
        }
        for (size_t step = firstStep; step <= index; ++step) {
            const DirectoryHandle& from = current.isValid() ? current : m_stack[base].dir;
            DirectoryHandle next = from.openChild(m_stack[step].rawName);
            if (identityOf(next) != m_stack[step].identity) {
                // Renamed or replaced since it was entered: its remaining subfolders stay empty.
                frame.lost = true;
                return frame.dir;
            }
            current = std::move(next);
        }
        frame.dir = std::move(current);
        ++m_heldOpen;
        return frame.dir;
    }

    const QString m_rootPath;
    WalkVisitor& m_visitor;
    std::vector<Frame> m_stack;
    std::unordered_set<DirectoryId, DirectoryIdHash> m_onPath;
    std::unordered_set<DirectoryId, DirectoryIdHash> m_reachedThroughLink;
    QString m_path;
    int m_heldOpen = 0;
};

// The directories of a loaded Favorites folder, as its lister reaches them: by the raw names
// the loader met (a name that is not valid UTF-8 does not survive the way through text), and
// relative to the folder listed last. Writers and the selection window list folders near the
// last one, so going up through ".." and down by name keeps every listing cheap, however deep
// the tree.
class FolderDirectories
{
public:
    explicit FolderDirectories(QString rootLocation)
        : m_root(std::move(rootLocation))
    {}

    // What the loader learnt of a folder row; rows come parents first. The identity tells a
    // parent reached through ".." from a link's target, which has another parent on disk.
    void addRow(int row, int parent, QByteArray rawName, std::optional<DirectoryId> id)
    {
        if (static_cast<size_t>(row) >= m_rows.size())
            m_rows.resize(static_cast<size_t>(row) + 1);
        const int depth = parent < 0 ? 0 : m_rows[static_cast<size_t>(parent)].depth + 1;
        m_rows[static_cast<size_t>(row)] = {std::move(rawName), id, depth, {}};
    }

    // The loader's listing of a folder row, kept until the row is listed: the directory is then
    // not read a second time. A window lists a folder long after loading, and sees it as the
    // loader did, as it already sees the subfolders.
    void keepListing(int row, std::vector<DirectoryEntry>&& entries)
    {
        m_rows[static_cast<size_t>(row)].listing = std::move(entries);
    }

    // How many entries the kept listings hold.
    size_t listedEntries() const
    {
        size_t count = 0;
        for (const Row& row : m_rows)
            count += row.listing ? row.listing->size() : 0;
        return count;
    }

    // The kept listing of row, handed over once.
    std::optional<std::vector<DirectoryEntry>> takeListing(int row)
    {
        if (static_cast<size_t>(row) >= m_rows.size())
            return std::nullopt;
        return std::exchange(m_rows[static_cast<size_t>(row)].listing, std::nullopt);
    }

    QByteArray rawName(const BookmarkModel& model, int row) const
    {
        if (static_cast<size_t>(row) < m_rows.size())
            return m_rows[static_cast<size_t>(row)].rawName;
        return rawFileName(model.folder(row).Name);
    }

    // The directory of a folder row; an invalid handle when it cannot be opened. Valid until the
    // next call.
    const DirectoryHandle& open(const BookmarkModel& model, int row)
    {
        if (m_current.isValid() && m_currentRow == row)
            return m_current;
        std::vector<int> down;
        if (!(m_current.isValid() && climbTowards(model, row, down))) {
            // From the root's path down, by name.
            down.clear();
            for (int step = row; step > 0; step = model.folder(step).Parent)
                down.push_back(step);
            m_current = DirectoryHandle::open(m_root);
        }
        for (auto it = down.rbegin(); it != down.rend() && m_current.isValid(); ++it)
            m_current = m_current.openChild(rawName(model, *it));
        m_currentRow = row;
        return m_current;
    }

private:
    struct Row
    {
        QByteArray rawName;
        std::optional<DirectoryId> id;
        int depth = 0;
        std::optional<std::vector<DirectoryEntry>> listing;
    };

    // Moves m_current up from the folder listed last to the nearest folder that also holds row,
    // and gives the rows to go down to reach row, deepest first. False when a step up does not
    // reach the expected folder (it left a link's target, or the tree changed).
    bool climbTowards(const BookmarkModel& model, int row, std::vector<int>& down)
    {
        const auto depthOf = [this](int r) { return m_rows[static_cast<size_t>(r)].depth; };
        if (static_cast<size_t>(std::max(row, m_currentRow)) >= m_rows.size())
            return false;
        int from = m_currentRow;
        int to = row;
        int climb = 0;
        while (depthOf(to) > depthOf(from)) {
            down.push_back(to);
            to = model.folder(to).Parent;
        }
        while (from != to) {
            if (depthOf(from) == depthOf(to)) {
                down.push_back(to);
                to = model.folder(to).Parent;
            }
            from = model.folder(from).Parent;
            ++climb;
        }
        for (int step = m_currentRow; climb > 0; --climb) {
            step = model.folder(step).Parent;
            DirectoryHandle up = m_current.openChild(QByteArrayLiteral(".."));
            const std::optional<DirectoryId>& expected = m_rows[static_cast<size_t>(step)].id;
            if (!expected || identityOf(up) != expected)
                return false;
            m_current = std::move(up);
        }
        return true;
    }

    QString m_root;
    std::vector<Row> m_rows;
    DirectoryHandle m_current;
    int m_currentRow = -1;
};

// A file's or folder's times as the dates of its link or folder: its last write is when it was
// changed, and its creation (where the file system keeps it) when it was added. A creation after
// the last write means the write time was carried over (a copy, or a writer that cannot set the
// creation time, as on Linux): the entry existed by its last write, so that is when it was added.
EntryDates fileDates(const DirectoryEntry& entry)
{
    EntryDates dates;
    if (entry.writeTime)
        dates.modified = BookmarkTime::fromSeconds(*entry.writeTime);
    if (entry.birthTime) {
        dates.added = BookmarkTime::fromSeconds(
            entry.writeTime ? std::min(*entry.birthTime, *entry.writeTime) : *entry.birthTime);
    }
    return dates;
}

// What lists the folders of one loaded Favorites folder: the way to each directory, and the
// reader of the shortcuts in it.
struct FolderLister
{
    explicit FolderLister(QString rootLocation)
        : directories(std::move(rootLocation))
    {}

    FolderDirectories directories;
    ListedFileReader shortcuts;
};

void listFolder(BookmarkModel& model, int row, FolderLister& lister)
{
    FolderDirectories& directories = lister.directories;
    if (model.folder(row).LinksLoaded)
        return;
    const DirectoryHandle& dir = directories.open(model, row);
    if (!dir.isValid())
        return;
    // Plain files are not examined: a shortcut's dates come with reading it.
    std::optional<std::vector<DirectoryEntry>> entries = directories.takeListing(row);
    if (!entries)
        entries = dir.entries();
    if (!entries)
        return;

    // A directory without a folder row appeared after loading, or leads back up the tree.
    QHash<QByteArray, int> subfolderRows;
    for (int child : model.tree().children(row))
        subfolderRows.insert(directories.rawName(model, child), child);

    // The shortcuts are read all together, then taken in listing order.
    std::vector<DirectoryEntry*> shortcutFiles;
    for (DirectoryEntry& entry : *entries) {
        if (entry.isFile && isShortcutName(entry.rawName))
            shortcutFiles.push_back(&entry);
    }
    ListedFileReader& reader = lister.shortcuts;
    reader.read(dir, shortcutFiles, kMaxShortcutFileSize);
    size_t nextFile = 0;

    model.beginEntries(row);
    for (DirectoryEntry& entry : *entries) {
        LinkRecord record;
        if (entry.isDirectory) {
            const auto subfolder = subfolderRows.constFind(entry.rawName);
            if (subfolder == subfolderRows.cend())
                continue;
            record.Kind = EntryKind::Folder;
            record.SubfolderRow = *subfolder;
            record.Name = entry.name;
            record.IconIndex = IconIndex::FavoritesFolder;
            model.setFolderDates(*subfolder, fileDates(entry));
        } else if (isShortcutName(entry.rawName)) {
            std::optional<QByteArrayView> contents;
            if (entry.isFile) {
                const size_t file = nextFile++;
                contents = reader.contents(file);
                // Removed since the folder was listed: it is no longer there to skip.
                if (!contents && reader.error(file) == ENOENT)
                    continue;
            }
            InternetShortcut shortcut =
                contents ? readInternetShortcut(*contents) : InternetShortcut{};
            // Nothing to open: a pipe, a dangling link, a file without "URL=".
            if (shortcut.url.isEmpty()) {
                model.addSkippedLink();
                continue;
            }
            record.URL = std::move(shortcut.url);
            record.Name = std::move(entry.name);
            record.Name.chop(4);
            // No shell icons here: every link shows the default link image.
            record.IconIndex = IconIndex::FavoritesLink;
            record.Dates = fileDates(entry);
            if (!shortcut.iconFile.isEmpty())
                record.Details =
                    model.addDetails(EntryDetails{.iconUri = std::move(shortcut.iconFile)});
        } else {
            continue;
        }
        model.appendEntry(std::move(record));
    }
    model.endEntries(row);
}

class CountingVisitor : public WalkVisitor
{
public:
    explicit CountingVisitor(const cFastScanning::FolderScanHandler& handler)
        : m_handler(handler)
    {}

    int enterFolder(int, const QString& path, const DirectoryEntry& entry) override
    {
        ++folders;
        if (m_handler)
            m_handler(path, entry.name);
        return 0;
    }
    void listed(int, std::vector<DirectoryEntry>&& entries) override
    {
        for (const DirectoryEntry& entry : entries)
            linkCount += !entry.isDirectory && isShortcutName(entry.rawName) ? 1 : 0;
    }

    int folders = 0;
    int linkCount = 0;

private:
    const cFastScanning::FolderScanHandler& m_handler;
};

class LoadingVisitor : public WalkVisitor
{
public:
    LoadingVisitor(BookmarkModel& model, FolderDirectories& directories, Progress& progress,
                   int total)
        : m_model(model)
        , m_directories(directories)
        , m_progress(progress)
        , m_total(total)
    {}

    int enterFolder(int parent, const QString&, const DirectoryEntry& entry) override
    {
        const int row = m_model.addFolder(parent, entry.name);
        m_directories.addRow(row, parent, entry.rawName, identityOf(entry));
        // The scan may be older than the tree: the bar never runs past its end.
        m_progress.step(std::min(row, m_total));
        return row;
    }
    void listed(int folder, std::vector<DirectoryEntry>&& entries) override
    {
        m_directories.keepListing(folder, std::move(entries));
    }

private:
    BookmarkModel& m_model;
    FolderDirectories& m_directories;
    Progress& m_progress;
    int m_total;
};

} // namespace

void cFastScanning::Scan(const QString& folder)
{
    CountingVisitor visitor(m_folderScan);
    // An empty location names no folder (never the file system's root).
    if (!folder.isEmpty()) {
        DirectoryHandle root = DirectoryHandle::open(AddBackslash(folder));
        if (root.isValid())
            TreeWalk(folder, visitor).run(std::move(root));
    }
    m_folders = visitor.folders;
    m_links = visitor.linkCount;
    m_folder = folder;
}

Result<DirectoryHandle> openFavoritesFolder(const QString& folder)
{
    if (folder.isEmpty())
        return Failure{QCoreApplication::translate("orvalink::FavoritesReader",
                                                   "No Favorites folder was given.")};
    DirectoryHandle root = DirectoryHandle::open(AddBackslash(folder));
    if (root.isValid())
        return root;
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return Failure{QCoreApplication::translate("orvalink::FavoritesReader",
                                                   "The Favorites folder \"%1\" does not exist.")
                           .arg(folder)};
    return Failure{QCoreApplication::translate("orvalink::FavoritesReader",
                                               "The Favorites folder \"%1\" cannot be read: %2.")
                       .arg(folder, systemErrorText(error))};
}

Result<std::unique_ptr<BookmarkModel>> LoadFavorites(const QString& folder, int expectedFolders,
                                                     Progress& progress)
{
    Result<DirectoryHandle> opened = openFavoritesFolder(folder);
    if (!opened)
        return opened.failure();
    DirectoryHandle root = std::move(opened.value());
    const QString location = AddBackslash(folder);

    auto model = std::make_unique<BookmarkModel>(FormId::Favorites, location);
    model->addFolder(-1, QString(), QStringLiteral("My Favorites"));
    model->setExpanded(0, true);
    auto lister = std::make_shared<FolderLister>(location);
    FolderDirectories& directories = lister->directories;
    directories.addRow(0, -1, QByteArray(), identityOf(root));

    const int total = std::max(expectedFolders, 1);
    progress.start(total);
    LoadingVisitor visitor(*model, directories, progress, total);
    const bool readable = TreeWalk(folder, visitor).run(std::move(root));
    const int error = errno;
    progress.finish();
    if (!readable) {
        return Failure{
            QCoreApplication::translate("orvalink::FavoritesReader",
                                        "The Favorites folder \"%1\" cannot be read: %2.")
                .arg(folder, systemErrorText(error))};
    }

    model->reserveEntries(directories.listedEntries());
    model->setFolderLister(
        [lister](BookmarkModel& loaded, int row) { listFolder(loaded, row, *lister); });
    return model;
}

void ListFolderEntries(BookmarkModel& model, int row)
{
    FolderLister lister(model.location());
    listFolder(model, row, lister);
}

} // namespace orvalink
