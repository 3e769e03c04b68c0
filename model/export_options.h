// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/menu_options.h"

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
    // Each folder's entries in the source's order, separators included, rather than its
    // subfolders and links each sorted by name (linksBefore then has no say).
    bool keepOrder = false;
    // Whom a new bookmark file is for: its title reads "Bookmarks for " + this name (the logon
    // name when it is empty).
    QString userName{};
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

// How a destination is to be written, as the export window's controls (or the command line's
// options) say: each form's writer reads the part of its kind (see StorageForm::optionsPart()).
struct DestinationOptions
{
    // For a bookmark file or hotlist.
    FileExportOptions file;
    // For a Favorites folder.
    FavoritesExportOptions favorites;
    // For a cascading menu page; its counts are filled in by the export.
    MenuPageOptions menu;
};

} // namespace orvalink
