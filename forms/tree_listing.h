// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"

#include <QIODevice>

namespace orvalink {

// Writes a loaded source as text, one line per entry: the root as "[0] caption", then each
// folder's entries in their row order (source order), two spaces deeper per level up to
// kDeepestIndentLevel; a folder as "[row] Name" followed by its own entries, a link as
// "Name <URL>", a separator as "----". What an entry keeps besides its name and address follows
// it in braces, in the order of the fields listed below, as "key=value" separated by spaces:
// dates as decimal seconds, texts as JSON strings, roles as a bare key:
//   " {added=1700000000 modified=1700000100 keyword=\"kw\" tags=\"a,b\"}".
// Folders not listed yet are listed on the way. Deep trees are walked without recursion.
void writeTreeListing(BookmarkModel& model, QIODevice& out);

// The same tree as one compact JSON object: {"title": ...,
// "children": [...]} for a folder, {"title": ..., "url": ...} for a link, {"separator": true}
// for a separator, each with the fields it keeps: "added", "modified", "visited" (seconds since
// 1970), "toolbar" and "otherBookmarks" (a folder's role, true), "onToolbar" (a link's, true),
// "keyword", "postData", "tags", "description", "icon", "iconUri" and "charset" (texts).
void writeTreeJson(BookmarkModel& model, QIODevice& out);

} // namespace orvalink
