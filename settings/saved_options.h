// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_options.h"

#include <QString>
#include <QtGlobal>

namespace orvalink {

class SettingsReader;
class SettingsWriter;

// The options each export window keeps in section "Settings" of the program's options, as
// values. One table per struct (saved_options.cpp) gives every key, its default and how it is
// stored: a check box as 0 or 1, a choice among option buttons as one key per button (-1 for
// the chosen one, 0 for the others), a text as it is, a number as a 16-bit integer. A default-
// constructed struct holds the table's defaults, which are also the command line's.

// What happens to an existing bookmark file or hotlist ("optOldErase", "optOldMerge").
enum class OldBookmarks : int { Overwrite = 0, Merge = 1 };
// Where the bookmarks go in it ("optWhere(0)", "optWhere(1)").
enum class FileWhere : int { Root = 0, NewFolder = 1 };

// The options of the windows that write a bookmark file or hotlist. The Favorites export window
// and the Firefox-Opera window share them: a choice made in one is preset in the other.
struct FileWindowOptions
{
    FileWindowOptions();

    // "chkBackup": copy the old file to its backup name first.
    bool backup{};
    OldBookmarks oldBookmarks{};
    FileWhere where{};
    // "chkLinksBefore": in each folder, its links before its subfolders.
    bool linksBefore{};
    // "chkKeepOrder": everything in the source's order instead of sorted.
    bool keepOrder{};

    bool operator==(const FileWindowOptions&) const = default;
};

// The options of the window that writes into the Favorites folder: where the bookmarks go
// ("NNoptWhere(0)" to "NNoptWhere(2)"). An existing subfolder is saved as neither the top level
// nor a new folder, and comes back as a new folder: the subfolder is picked anew each time.
struct FavoritesWindowOptions
{
    FavoritesWindowOptions();

    FavoritesWhere where{};

    bool operator==(const FavoritesWindowOptions&) const = default;
};

// The options of the menu window.
struct MenuWindowOptions
{
    MenuWindowOptions();

    // The name of the colour preset chosen last ("cboMenuColor").
    QString colorPreset;
    bool openInNewWindow{};
    bool showUrl{};
    bool vertical{};
    bool shadows{};
    bool showStatistics{};
    QString pageTitle;
    // "chkMaxItems" and "txtMaxItems": submenus continue in a new submenu after breakAfter items.
    bool breakSubmenus{};
    qint16 breakAfter{};
    // "chkShowBrowser": the page opens in the web browser when it is done.
    bool showInBrowser{};
    // "chkKeepOrder": the menus in the source's order instead of sorted; a key of the menu
    // window's own, apart from the file windows' choice.
    bool keepOrder{};

    bool operator==(const MenuWindowOptions&) const = default;
};

// Reads a window's options. A missing or unreadable options file gives the defaults; a value
// that cannot be read (a number beyond its size, a check box value other than 0, 1 or 2) keeps
// its default. A check box stored as 2 (partly checked) reads as not checked, which is what an
// export made of it.
template <typename Options> Options LoadOptions(SettingsReader& reader);
// Writes every key of a window's options.
template <typename Options> void SaveOptions(SettingsWriter& writer, const Options& options);

} // namespace orvalink
