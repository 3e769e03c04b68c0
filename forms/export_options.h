#pragma once

#include <QString>

namespace orvalink {

// How a bookmark file or hotlist is written, as the export window's controls say. A choice
// counts only where the window has it both set and enabled; the window (or the command line)
// fills the value accordingly.
struct FileExportOptions
{
    // Merge into the existing file ("Merge ... with Old Bookmarks"); otherwise the file is
    // written anew ("Overwrite Old Bookmarks").
    bool merge = false;
    // Put everything into one new folder of this name; otherwise into the top level.
    bool intoNewFolder = false;
    QString newFolderName;
    // Every folder and link, or only what is checked in the selection.
    bool exportAll = true;
    // In each folder, its links before its subfolders.
    bool linksBefore = false;
};

// Where the Favorites writer puts what it writes.
enum class FavoritesWhere : int { Root = 0, NewFolder = 1, ExistingFolder = 2 };

struct FavoritesExportOptions
{
    FavoritesWhere where = FavoritesWhere::NewFolder;
    // The new folder's name (cleaned before use), for FavoritesWhere::NewFolder.
    QString newFolderName;
    // A subfolder of the Favorites folder, as typed; "" means the Favorites folder itself.
    QString existingFolder;
    bool exportAll = true;
};

} // namespace orvalink
