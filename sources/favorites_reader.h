#pragma once

#include "model/bookmark_model.h"
#include "model/progress.h"
#include "model/result.h"

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
    // Scans the folder recursively (without recursion in the program).
    void Scan(const QString& folder);
    // -1 until a scan has completed.
    int nFolder() const { return m_folders; }
    int nLink() const { return m_links; }

private:
    FolderScanHandler m_folderScan;
    int m_folders = -1;
    int m_links = -1;
};

// Loads a Favorites folder: one folder row per directory, depth first; each folder's entries
// are listed when first needed. Fails when the folder cannot be read.
Result<std::unique_ptr<BookmarkModel>> LoadFavorites(const QString& folder, int expectedFolders,
                                                     Progress& progress);

// Appends the entries of one Favorites folder row to the link table.
void ListFolderEntries(BookmarkModel& model, int row);

} // namespace orvalink
