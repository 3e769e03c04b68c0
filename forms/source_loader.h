#pragma once

#include "model/bookmark_model.h"
#include "model/job.h"
#include "model/progress.h"
#include "model/result.h"

#include <memory>

namespace orvalink {

// Loads a source into tables and tree exactly as the selection window does: a Favorites folder
// by walking its directories (entries are listed when first needed), a bookmark file or hotlist
// through its tree builder. Fails with a message when the source cannot be read at all.
// expectedFolders (the fast scan's count, 0 when unknown) scales the progress.
Result<std::unique_ptr<BookmarkModel>> LoadSource(SourceKind kind, const QString& location,
                                                  int expectedFolders, Progress& progress);

// The folders and links of a whole source, the root not counted.
struct SourceCounts
{
    int folders = 0;
    int links = 0;
};

// Counts a source with the fast scanner of its form, as the export windows do when a source is
// chosen, reporting "Searching Folder: " and each folder as it goes. A source that cannot be read
// counts nothing.
SourceCounts CountSource(SourceKind kind, const QString& location, Progress& progress);

// The job's loaded source, loading it from the job's source location on first use.
Result<BookmarkModel*> loadedSource(Job& job, Progress& progress);

} // namespace orvalink
