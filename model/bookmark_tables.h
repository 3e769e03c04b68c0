#pragma once

#include "model/export_mode.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orvalink {

// One folder of the source. Row 0 of the folder table is the source's root.
struct FolderRecord
{
    // The folder's entries are in the link table. Favorites folders are listed on first need;
    // the file sources list every folder while loading.
    bool LinksLoaded = false;
    // The folder's name; "" for the root of a Favorites source.
    QString Name;
    // Row of the parent folder; -1 for the root. Paths and keys are derived from it on demand,
    // so nothing grows with the square of the depth.
    int Parent = -1;
    // How many of this folder's links are checked now.
    int SelectedLinks = 0;
    // The folder's entries are the link table rows FirstLink..LastLink; LastLink is FirstLink - 1
    // when the folder has none.
    int FirstLink = 0;
    int LastLink = -1;

    int entryCount() const { return LastLink - FirstLink + 1; }
};

// One entry of a folder: a link, or a subfolder entry standing for a folder row.
struct LinkRecord
{
    // A link whose entry has no folder row.
    static constexpr int NoSubfolder = -1;

    // The link is checked. For a subfolder entry the subfolder's own check box counts instead.
    bool Selected = false;
    // The folder row this entry stands for, or NoSubfolder for a link.
    int SubfolderRow = NoSubfolder;
    QString Name;
    QString URL;
    // Image number in the entry list (see IconIndex values below).
    int IconIndex = 0;
    // Favorites: local calendar date of the entry's last write; a null date for the file sources.
    QDate FileDate;

    bool isSubfolder() const { return SubfolderRow != NoSubfolder; }
};

// Entry list image numbers, by source and entry kind.
namespace IconIndex {
constexpr int FavoritesFolder = 1;
constexpr int FavoritesLink = 6;
constexpr int BookmarkFileFolder = 3;
constexpr int BookmarkFileLink = 5;
constexpr int HotlistFolder = 7;
constexpr int HotlistLink = 9;

// The images of a form's folder entries and link entries.
struct EntryImages
{
    int folder;
    int link;
};

constexpr EntryImages of(FormId form)
{
    switch (form) {
    case FormId::Favorites:
        return {FavoritesFolder, FavoritesLink};
    case FormId::Hotlist:
        return {HotlistFolder, HotlistLink};
    case FormId::BookmarkFile:
    case FormId::MenuPage:
    case FormId::FirefoxDatabase:
    case FormId::Chromium:
        break;
    }
    return {BookmarkFileFolder, BookmarkFileLink};
}
} // namespace IconIndex

using FolderTable = std::vector<FolderRecord>;
using LinkTable = std::vector<LinkRecord>;

// A link as the writers take it.
struct NameUrlPair
{
    QString name;
    QString url;
};

// Sorts by name without regard to case, ascending or descending. Equal names keep no
// guaranteed order.
void SortNameUrlPairs(std::vector<NameUrlPair>& pairs, bool descending = false);

} // namespace orvalink
