// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/check_failure.h"
#include "model/job.h"
#include "model/result.h"
#include "platform/processes.h"

#include <QString>
#include <QStringView>

namespace orvalink {

// The caption of "fraWhat" when no source is selected.
inline constexpr QStringView kNoSourceWhatCaption = u"What to Export: (0 Folders && 0 Links)";

// Whether the job can go ahead, asked before the selection window opens (sourceOnly: only the
// source is checked) and again before anything is written. In this order: the source exists;
// then the destination (the Favorites folder and the chosen existing subfolder, which must lie
// inside it; the menu page is a regular file where one exists, its folder exists and it is not
// read-only; the bookmark file or hotlist is a regular file where one exists, is not read-only,
// exists when it is to be merged, its folder exists, and a backup to be made may replace what
// stands at the backup name); then that the destination browser does not run. The first failure is
// returned. The process table is read only when a browser has to be looked for.
Result<void, CheckFailure> ValidateExport(const Job& job, const ExportCheckInputs& inputs,
                                          bool sourceOnly, const ProcessTable& processes);

} // namespace orvalink
