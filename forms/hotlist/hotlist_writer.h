#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orvalink {

// The ORDER of every folder record.
inline constexpr int kFolderOrder = -1;
// The ORDER of link records when links come before subfolders, and otherwise.
inline constexpr int kLinksBeforeOrder = -2;
inline constexpr int kLinksAfterOrder = 0;

// Writes a loaded source as an Opera hotlist in UTF-8 with CR LF line
// ends: "#FOLDER" and "#URL" records, each folder closed by a "-" line. Written anew, the file
// starts with the hotlist header; merged, the records are appended to the old file, whose last
// line is ended first when it has no line end (an old file in UTF-16 is written back in UTF-8
// with a byte-order mark); a file that is no hotlist is left alone and refused. Everything goes
// into the top level or into one new folder, as the options say.
//
// No text can start a record of its own: a line break inside a name becomes a space, and a URL
// is written without tabs and line breaks, which browsers drop from an address anyway.
// The file is replaced only once it is completely written: any failure leaves the old file as it
// was and comes back as the message to show.
Result<void, UserMessage> WriteOperaHotlist(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress);

// Whether WriteOperaHotlist can append to the file at filePath (a hotlist, an empty file or none
// yet), with the message it would refuse the merge with; asked before a backup of the file is
// made.
Result<void, UserMessage> CanMergeIntoHotlist(const QString& filePath);

// Writes a folder node and its subtree as WriteOperaHotlist does for the root: a folder record
// and a "-" for each exported folder other than the root, its links sorted by name.
void WriteOperaFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                      Progress& progress, ChunkedOutput& out);

// One "#FOLDER" record, and one "#URL" record, each followed by its empty line.
void WriteFolderRecord(QByteArray& out, QStringView name, int order);
void WriteUrlRecord(QByteArray& out, QStringView name, QStringView url, int order);

} // namespace orvalink
