// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/job.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"

namespace orvalink {

// The job's loaded source, loaded by its form from the job's source location on first use (the
// selection window shows it, and an export writes it); the message to show when it cannot be
// loaded.
Result<BookmarkModel*, UserMessage> loadedSource(Job& job, Progress& progress);

} // namespace orvalink
