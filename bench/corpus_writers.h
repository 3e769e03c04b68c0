// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/corpus_tree.h"
#include "model/result.h"

#include <QString>

namespace orvalink {

// Writes the corpus as Firefox writes bookmarks.html: Firefox's header, UTF-8, LF line ends,
// four spaces per level, the folders and links with their dates, favicons, keywords and tags,
// <HR> separators followed on the same line by the next entry, <DD> descriptions.
// The file is replaced only when it is complete. Returns the bytes written.
Result<qint64> writeCorpusBookmarkFile(const CorpusTree& tree, const QString& path);

// Writes the corpus as Opera on Linux writes its hotlist: version 2.0 with UTF-8, LF line ends,
// #FOLDER, #URL and #SEPERATOR records with TAB-indented fields, "-" closing each folder, names
// as plain text. The file is replaced only when it is complete. Returns the bytes written.
Result<qint64> writeCorpusHotlist(const CorpusTree& tree, const QString& path);

// Writes the corpus as Chromium writes its Bookmarks file: JSON with keys in order and three
// spaces per level, every entry of the root in "Other bookmarks", ids in file order after the
// three permanent folders, dates in microseconds since 1601, the checksum Chromium computes.
// Separators, which Chromium does not know, are left out. The file is replaced only when it is
// complete. Returns the bytes written.
Result<qint64> writeCorpusChromiumBookmarks(const CorpusTree& tree, const QString& path);

// Writes the corpus as Firefox keeps it in places.sqlite, with the tables and indexes of a
// database Firefox made: the root's entries in the Bookmarks Menu, the toolbar's and "Other
// Bookmarks"' entries in Firefox's own folders of those names, dates in microseconds since 1970,
// keywords in moz_keywords, each tag a folder under the tags root holding the tagged links.
// Descriptions and favicons, which Firefox keeps elsewhere, are left out. The file is put in
// place only when complete. Returns its size.
Result<qint64> writeCorpusPlacesDatabase(const CorpusTree& tree, const QString& path);

// Writes the corpus as an Internet Explorer Favorites folder: one directory per folder, one
// shortcut file per link, each file's modification time its link's. The folder is built beside
// `folder` and put in its place (replacing an older one) only when complete. Returns the bytes
// of the files written.
Result<qint64> writeCorpusFavorites(const CorpusTree& tree, const QString& folder);

} // namespace orvalink
