// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"

#include <vector>

namespace orvalink {

// The entry list's columns, numbered as the sort state stores them.
enum class EntryColumn : int { LinkName = 1, URL = 2, CreationDate = 3 };

// The rows of a listed folder's links and subfolder entries (its separators aside) in the order
// the entry list shows them when sorted by column, ascending or descending. Name and URL sort as
// text without regard to case with subfolder entries ahead of the links in ascending order; the
// date sorts by day with subfolder entries after the links in ascending order. Equal keys keep
// their row order.
std::vector<int> sortedEntryRows(const BookmarkModel& model, int folderRow, EntryColumn column,
                                 bool descending);

} // namespace orvalink
