#pragma once

#include "model/bookmark_model.h"

#include <QIODevice>

namespace orvalink {

// Writes a loaded source as text, one line per entry: the root as "[0] caption", then each
// folder's entries in their row order (source order), two spaces deeper per level up to
// kDeepestIndentLevel; a folder as "[row] Name" followed by its own entries, a link as
// "Name <URL>". Folders not listed yet are listed on the way. Deep trees are walked without
// recursion.
void writeTreeListing(BookmarkModel& model, QIODevice& out);

// The same tree as one compact JSON object: {"title": ..., "children": [...]} for a folder,
// {"title": ..., "url": ...} for a link.
void writeTreeJson(BookmarkModel& model, QIODevice& out);

} // namespace orvalink
