// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/menu_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/atomic_text_file.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace orvalink {

// Writes the cascading menu page of a loaded source to pagePath: one
// HTML file in UTF-8 with CR LF line ends, carrying the menu engine and the script that builds
// a bar of root items and one submenu per exported folder. Every folder is named in the page
// after its node index (FolderTree::index()): its submenu is "m" + index. A submenu lists the
// folder's subfolders and then its links, each sorted by name, or with options.keepOrder both in
// the source's order (the menu has no separators: those of the source are left out); a folder
// that is not exported gives its exported subfolders in its place.
//
// Returns the number of items written (root items, folders, links, "more..." and "(Empty)"),
// which the caller adds to the exported-items total. The page replaces the old file only once
// it is completely written; any failure leaves the old file as it was and comes back as the
// message to show.
Result<int, UserMessage> CreateMenuPage(BookmarkModel& model, const QString& pagePath,
                                        const MenuPageOptions& options, Progress& progress);

// Writes the page CreateMenuPage writes into out and returns the number of items written.
int writeMenuPage(BookmarkModel& model, const MenuPageOptions& options, Progress& progress,
                  ChunkedOutput& out);

// The text made safe inside a single-quoted script string: "\" and "'" get a backslash, and
// "<", ">", line feed and carriage return become \x3C, \x3E, \n and \r, so that no name or
// address can end the string, the script element or start markup.
QString EscapeScriptString(QStringView text);

// The text as it fits into an item maxWidth pixels wide with room for the pop-up marker (20
// pixels), in bold or regular Verdana: unchanged when it fits, otherwise shortened (never inside
// a character) and ended with "...".
QString FitItemText(const QString& text, int maxWidth, bool bold);

// "#" and the red, green and blue bytes of the colour as upper-case hexadecimal: 255 is #FF0000.
QString ColorToHtml(MenuColor color);

// The width of a root item whose text is textWidth pixels wide: 0 (the style's default length)
// in the vertical layout or for a text of up to 80 pixels, otherwise one and a half times the
// text width, at most 230, rounded half to even.
int rootItemWidth(int textWidth, bool vertical);

// The subfolders of a node's submenu as their nodes, sorted by caption without regard to case:
// every child when exportAll, otherwise every checked child, and below an unchecked child the
// checked folders nearest to it (a checked folder under unchecked ones moves up to the nearest
// menu that is written).
std::vector<int> CollectSubfolders(const FolderTree& tree, int node, bool exportAll);

} // namespace orvalink
