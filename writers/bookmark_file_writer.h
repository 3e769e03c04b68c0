#pragma once

#include "model/bookmark_model.h"
#include "model/job.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "writers/atomic_text_file.h"
#include "writers/export_options.h"

#include <QString>

namespace orvalink {

// Writes the job's source (loaded on first use) as a bookmark file, the HTML bookmark format of
// Firefox and Netscape, in UTF-8 with CR LF line ends.
//
// Written anew, the file starts with the bookmark file header titled "Bookmarks for " + the
// job's UserName (the logon name when the job has none). Merged, the old file is kept up to its
// last "</DL>" (any case, with or without "<p>"), byte for byte, and the new bookmarks are
// appended as a list of their own before the list ends are written again; an old file without
// any "</DL>" is no bookmark file and is left alone. Everything goes into the top level or into
// one new folder, as the options say.
//
// Names and URLs are HTML-escaped, control characters included (see html_text.h), so that
// neither can end its line or pass for markup, and both read back exactly. The file is
// replaced only once it is completely written: any failure leaves the old file as it was and
// comes back as the message to show.
Result<void, UserMessage> WriteBookmarkFile(Job& job, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress);

// Writes a folder node and its subtree as WriteBookmarkFile does for the root, the indentation
// starting from nothing: a folder line and a list of its own for each exported folder other
// than the root, its links sorted by name.
void WriteBookmarkFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ChunkedOutput& out);

} // namespace orvalink
