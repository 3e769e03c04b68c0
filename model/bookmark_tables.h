// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_time.h"
#include "model/export_mode.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace orvalink {

// The texts browsers keep with some of their bookmarks. Most links and folders have none, so
// they stand in a side table of the model (see BookmarkModel::details()) rather than in every
// record.
struct EntryDetails
{
    // The keyword that opens the link from the address bar (Firefox SHORTCUTURL, Opera SHORT
    // NAME), and the form data Firefox sends with a keyword search (POST_DATA).
    QString keyword{};
    QString postData{};
    // Firefox's tags, comma-separated as it writes them.
    QString tags{};
    // Line breaks as line feeds.
    QString description{};
    // The page's icon as a "data:" URI (Firefox ICON), kept as the file's bytes: it is plain ASCII,
    // often most of a bookmark file, and never shown. And the address it was fetched from
    // (Firefox ICON_URI, an Internet Shortcut's IconFile).
    QByteArray icon{};
    QString iconUri{};
    // The character set the page was last shown in (Firefox LAST_CHARSET).
    QString charset{};

    bool isEmpty() const { return *this == EntryDetails{}; }
    bool operator==(const EntryDetails&) const = default;
};

// The folders a browser treats in its own way.
enum class FolderRole : std::uint8_t {
    Ordinary,
    // The bookmarks toolbar (Firefox PERSONAL_TOOLBAR_FOLDER, a folder Opera shows on its
    // personal bar).
    Toolbar,
    // Firefox's "Other Bookmarks" (UNFILED_BOOKMARKS_FOLDER).
    OtherBookmarks,
    // The bookmarks kept for the phone: Firefox's mobile root, the Chromium family's synced folder.
    Mobile,
};

// What a folder entry is: a link, a subfolder, or a separator line between entries.
enum class EntryKind : std::uint8_t { Link, Folder, Separator };

// Where a record's details stand in the side table; NoDetails when it has none.
inline constexpr int NoDetails = -1;

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
    EntryDates Dates;
    int Details = NoDetails;
    FolderRole Role = FolderRole::Ordinary;

    int entryCount() const { return LastLink - FirstLink + 1; }
};

// One entry of a folder: a link, a subfolder entry standing for a folder row, or a separator.
// A subfolder's dates and details are those of its folder row.
struct LinkRecord
{
    // An entry that has no folder row.
    static constexpr int NoSubfolder = -1;

    // The link is checked. For a subfolder entry the subfolder's own check box counts instead;
    // a separator is never checked and goes wherever its folder goes.
    bool Selected = false;
    EntryKind Kind = EntryKind::Link;
    // Opera shows the link on its personal bar (ON PERSONALBAR).
    bool OnToolbar = false;
    // The folder row this entry stands for, or NoSubfolder.
    int SubfolderRow = NoSubfolder;
    // Empty for a separator.
    QString Name;
    QString URL;
    // Image number in the entry list (see IconIndex values below).
    int IconIndex = 0;
    int Details = NoDetails;
    EntryDates Dates;

    bool isLink() const { return Kind == EntryKind::Link; }
    bool isSubfolder() const { return Kind == EntryKind::Folder; }
    bool isSeparator() const { return Kind == EntryKind::Separator; }
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

// A link's name and address.
struct NameUrlPair
{
    QString name;
    QString url;
};

} // namespace orvalink
