// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/loaded_source.h"

#include "forms/form_table.h"

namespace orvalink {

Result<BookmarkModel*, UserMessage> loadedSource(Job& job, Progress& progress)
{
    if (!job.source()) {
        Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded =
            sourceForm(job).load(job.sourceLocation(), job.TotalFolderCount, progress);
        if (!loaded)
            return loaded.failure();
        job.setSource(std::move(loaded.value()));
    }
    return job.source();
}

} // namespace orvalink
