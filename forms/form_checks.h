// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/check_failure.h"

#include <QString>
#include <QStringList>

namespace orvalink {

// The messages of the checks before an export, which each form composes into its own checks
// (see StorageForm::checkSource() and checkDestination()). All show the exclamation icon.

CheckFailure checkFailure(ExportCheck check, const QString& title, QStringList lines,
                          WindowFix fix = WindowFix::None);
// A bookmark file or hotlist that is gone: the source, or the destination to be merged.
CheckFailure fileMissing(ExportCheck check, WindowFix fix);
// The folder of a file to be written is not there; what names the file ("Bookmark").
CheckFailure pathInvalid(ExportCheck check, const QString& path, const QString& what,
                         WindowFix fix);
// A device, pipe or folder stands where a file is to be written, or its backup: the new file
// would take its place. what names it ("Selected Bookmark File").
CheckFailure notAFile(ExportCheck check, const QString& path, const QString& what, WindowFix fix);
CheckFailure readOnly(ExportCheck check, const QString& what);
// The Favorites folder, or the existing subfolder chosen in it, is gone; what names it.
CheckFailure subfolderMissing(ExportCheck check, const QString& what);

} // namespace orvalink
