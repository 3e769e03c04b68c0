// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/atomic_text_file.h"

#include <QByteArrayView>
#include <QString>

namespace orvalink {

// Writes a loaded source as a bookmark file, the HTML bookmark format of Firefox and Netscape, in
// UTF-8 with CR LF line ends.
//
// Written anew, the file starts with the bookmark file header titled "Bookmarks for " + the
// options' userName (the logon name when it is empty). Merged, every byte of the old file is
// kept: the new bookmarks go, as a list of their own, just before the end of its top-level list,
// found by following its lists (see findMergePoint). An old file cut off with lists still open is
// kept whole, its open lists closed and the new list put into its top-level one; an old file that
// is no bookmark file (see isBookmarkFileContent), that ends inside a tag or comment or that has
// no list is left alone and refused with a message naming it. An old file in UTF-16 is written
// back in UTF-8 with a byte-order mark, its text unchanged. Everything goes into the top level
// or into one new folder, as the options say, each folder's entries in the order the options ask
// (see walkExportedFolders).
//
// Each folder is the line "<DT><H3 FOLDED ADD_DATE=\"...\">" + name + "</H3>", its added date
// empty when unknown, then LAST_MODIFIED, LAST_VISIT and PERSONAL_TOOLBAR_FOLDER="true" or
// UNFILED_BOOKMARKS_FOLDER="true" where it has them; each link "<DT><A HREF=\"...\">" + name +
// "</A>", with ADD_DATE, LAST_MODIFIED, LAST_VISIT, ICON_URI, ICON, SHORTCUTURL, POST_DATA,
// LAST_CHARSET and TAGS after HREF where it has them, in Firefox's order. A description follows
// its folder or link on a "<DD>" line; a separator is "<HR>" on a line of its own.
//
// Names, URLs, descriptions and attribute values are HTML-escaped, control characters included
// (see html_text.h), so that none can end its line or attribute or pass for markup, and all read
// back exactly. The file is replaced only once it is completely written: any failure leaves the
// old file as it was and comes back as the message to show.
Result<void, UserMessage> WriteBookmarkFile(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress);

// Writes what WriteBookmarkFile writes into out, with old as the bytes of the file merged into
// (options.merge). Fails, writing nothing, when old cannot be merged into; filePath names the file
// in that message.
Result<void, UserMessage> writeBookmarkFile(BookmarkModel& model, QByteArrayView old,
                                            const FileExportOptions& options, Progress& progress,
                                            ChunkedOutput& out, const QString& filePath);

// Whether WriteBookmarkFile can merge into the file at filePath, with the message it would refuse
// the merge with; asked before a backup of the file is made.
Result<void, UserMessage> CanMergeIntoBookmarkFile(const QString& filePath);

// Writes a folder node and its subtree as WriteBookmarkFile does for the root, the indentation
// starting from nothing: a folder line and a list of its own for each exported folder other
// than the root. Returns whether node itself was exported and so wrote the list end that closes
// its entries (the root writes no list start of its own).
bool WriteBookmarkFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ChunkedOutput& out);

} // namespace orvalink
