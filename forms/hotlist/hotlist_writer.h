// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orvalink {

// The ORDER of every folder record.
inline constexpr int kFolderOrder = -1;
// The ORDER of link records when links come before subfolders, and otherwise.
inline constexpr int kLinksBeforeOrder = -2;
inline constexpr int kLinksAfterOrder = 0;

// Writes a loaded source as an Opera hotlist in UTF-8 with CR LF line
// ends: "#FOLDER" and "#URL" records, each folder closed by a "-" line, and Opera's "#SEPERATOR"
// records (so spelt) where separators stand. Written anew, the file starts with the hotlist
// header; merged, the records are appended to the old file, whose last line is ended first when
// it has no line end (an old file in UTF-16 is written back in UTF-8 with a byte-order mark); a
// file that is no hotlist is left alone and refused. Everything goes into the top level or into
// one new folder, as the options say, each folder's entries in the order the options ask (see
// walkExportedFolders).
//
// A record has the fields NAME (and URL for a link), then CREATED and VISITED where its added and
// visited dates are known, DESCRIPTION and SHORT NAME (the keyword) where it has them,
// "ON PERSONALBAR=YES" for a link on the toolbar and for the toolbar folder, then ORDER.
//
// No text can start a record of its own: a line break inside a name or keyword becomes a space,
// one inside a description two 0x02 characters, as Opera stores it (a 0x02 of the text itself
// is left out), and a URL is written without tabs and line breaks, which browsers drop from an
// address anyway. The file is replaced only once it is completely written: any failure leaves
// the old file as it was and comes back as the message to show.
Result<void, UserMessage> WriteOperaHotlist(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress);

// Writes what WriteOperaHotlist writes into out, with old as the bytes of the file appended to
// (options.merge). Fails, writing nothing, when old is no hotlist; filePath names the file in that
// message.
Result<void, UserMessage> writeOperaHotlist(BookmarkModel& model, QByteArrayView old,
                                            const FileExportOptions& options, Progress& progress,
                                            ChunkedOutput& out, const QString& filePath);

// Whether WriteOperaHotlist can append to the file at filePath (a hotlist, an empty file or none
// yet), with the message it would refuse the merge with; asked before a backup of the file is
// made.
Result<void, UserMessage> CanMergeIntoHotlist(const QString& filePath);

// Writes a folder node and its subtree as WriteOperaHotlist does for the root: a folder record
// and a "-" for each exported folder other than the root.
void WriteOperaFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                      Progress& progress, ChunkedOutput& out);

// What a record keeps besides its name and address.
struct RecordFields
{
    EntryDates dates;
    // Nullptr for none.
    const EntryDetails* details = nullptr;
    bool onPersonalBar = false;
};

// One "#FOLDER" record, and one "#URL" record, each followed by its empty line.
void WriteFolderRecord(QByteArray& out, QStringView name, int order,
                       const RecordFields& fields = {});
void WriteUrlRecord(QByteArray& out, QStringView name, QStringView url, int order,
                    const RecordFields& fields = {});

} // namespace orvalink
