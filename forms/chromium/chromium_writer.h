// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"

#include <QString>

namespace orvalink {

// Writes a loaded source as a Chromium-family Bookmarks file, as the browser writes it: UTF-8
// JSON indented by three spaces, keys in order, each node with a unique decimal id and a fresh
// guid, the permanent folders with their fixed guids, "version": 1 and the checksum the browser
// computes (see ChromiumChecksum), so that it loads the file with every id kept.
//
// Written at the top level, the entries of a top-level folder the source marks as its toolbar go
// onto the bookmarks bar and those of one marked as its other bookmarks into "Other bookmarks";
// everything else goes into "Other bookmarks" (all of it into one new folder there when the
// options say so); the mobile folder gets nothing. A new file's permanent folders take the dates
// of the folders they stand for. Merged, every byte of the old file is kept but its checksum,
// which is computed anew, and a "checksum_sha256", which is dropped: the new nodes go at the end
// of their permanent folders, with ids after the highest the file holds. A file
// that is no Bookmarks file, or has no list of children in "Other bookmarks", is left alone and
// refused with a message naming it. The file is replaced only once it is completely written.
Result<void, UserMessage> WriteChromiumBookmarks(BookmarkModel& model, const QString& filePath,
                                                 const FileExportOptions& options,
                                                 Progress& progress);

// Whether WriteChromiumBookmarks can merge into the file at filePath, with the message it would
// refuse the merge with; asked before a backup of the file is made.
Result<void, UserMessage> CanMergeIntoChromiumBookmarks(const QString& filePath);

// The message that refuses a file that is not a Chromium Bookmarks file.
UserMessage notAChromiumBookmarkFile(const QString& filePath);

} // namespace orvalink
