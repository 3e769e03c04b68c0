// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/progress.h"
#include "model/result.h"
#include "platform/file_helpers.h"

#include <QString>
#include <functional>
#include <memory>

namespace orvalink {

// Counts the folders and links below a Favorites folder (the folder itself not counted).
class cFastScanning
{
public:
    // Called once per subdirectory, before it is entered, with the directory that holds it
    // (ending in a separator) and its name.
    using FolderScanHandler = std::function<void(const QString& path, const QString& name)>;

    void setFolderScanHandler(FolderScanHandler handler) { m_folderScan = std::move(handler); }
    // Scans the folder recursively (without recursion in the program). Symbolic links to
    // folders are followed, except a link back to the folder being read or one of its
    // ancestors. A folder that cannot be read contributes nothing but itself.
    void Scan(const QString& folder);
    // -1 until a scan has completed.
    int nFolder() const { return m_folders; }
    int nLink() const { return m_links; }
    // The folder of the last completed scan; "" before.
    const QString& sFavFolder() const { return m_folder; }

private:
    FolderScanHandler m_folderScan;
    QString m_folder;
    int m_folders = -1;
    int m_links = -1;
};

// Opens a Favorites folder for reading; fails with a message that names it when it is not there
// or cannot be read.
Result<DirectoryHandle> openFavoritesFolder(const QString& folder);

// Loads a Favorites folder: the root row (caption "My Favorites"), then one folder row per
// directory, depth first in listing order. Each directory is read once, here; its entries join
// the link table, and its shortcuts are read, when the folder is first needed (the model's lister
// works as ListFolderEntries does, on that listing). Directories are taken as the scanner takes
// them, so its counts equal the folder rows below the root and the links listed. expectedFolders
// (the scanner's count) scales the progress. Fails when the folder does not exist or cannot be
// read.
Result<std::unique_ptr<BookmarkModel>> LoadFavorites(const QString& folder, int expectedFolders,
                                                     Progress& progress);

// Appends the entries of folder row's directory to the link table and marks the row listed:
// subdirectories that have a folder row as subfolder entries, and every file whose name ends in
// ".url" (any case) as a link, in name order without regard to case. A ".url" without an address
// (not a readable file, or no "URL=" in it) is left out and counted in the model's
// skippedLinkCount(). Each entry's last write is its modified date and its creation, where the
// file system keeps it, its added date; a shortcut's IconFile address is its icon's address.
// Does nothing when the row is already listed, and leaves it unlisted when its directory cannot
// be read.
void ListFolderEntries(BookmarkModel& model, int row);

} // namespace orvalink
