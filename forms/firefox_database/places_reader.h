// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/firefox_database/places_snapshot.h"
#include "forms/storage_form.h"

#include <memory>

namespace orvalink {

// Reading Firefox's bookmark database into a source's tables.
//
// The tree is the one Firefox's Library shows: its roots "Bookmarks Menu", "Bookmarks Toolbar",
// "Other Bookmarks" and, when it holds anything, "Mobile Bookmarks", each with its entries in
// Firefox's order. The tags root is no folder of it: a tag is a folder there holding one entry
// per tagged address, and becomes a tag of every bookmark of that address instead, as keywords
// do. Entries that no root reaches are left out, as Firefox shows them nowhere.

// The folders and links of the tree, counted with one query; nothing when it fails.
SourceCounts countPlaces(const PlacesSnapshot& snapshot);

// Loads the tree with one pass over the bookmarks and their addresses, and one over the keywords.
Result<std::unique_ptr<BookmarkModel>, UserMessage> readPlaces(const PlacesSnapshot& snapshot,
                                                               const QString& location);

} // namespace orvalink
