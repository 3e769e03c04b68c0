// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/user_message.h"

#include <QString>

namespace orvalink {

// What the checks read from the export window besides the job.
struct ExportCheckInputs
{
    // "optOldMerge" is set and enabled: the old destination file is to be merged, so it must
    // exist.
    bool merge = false;
    // "NNoptWhere(2)" is selected: the Favorites go into an existing subfolder of the Favorites
    // folder, the one typed in "NNtxtWhereExist".
    bool intoExistingSubfolder = false;
    QString existingSubfolder;
    // "chkBackup" is set and enabled: an existing bookmark file or hotlist is first copied to
    // its backup name, where only a regular file may stand.
    bool backup = false;
};

// The window's own repair after a failed check, so that it no longer offers what failed.
enum class WindowFix {
    None,
    // Put the file combo "cboNNLoc" back to its placeholder: tool tip "", item 0 selected, the
    // first tab selected, the combo focused. Done after the message.
    ResetFileCombo,
    // The same, and the "What to Export" frame's caption becomes kNoSourceWhatCaption, as there
    // is no source left to count.
    ResetFileComboAndWhat,
    // Focus "cboNNLoc" (the destination file) before the message.
    FocusFileCombo,
    // Focus "cboDHTMLLoc" (the menu page) before the message.
    FocusMenuCombo,
};

// Which check failed.
enum class ExportCheck {
    SourceFileMissing,
    SourceFolderMissing,
    DestinationFolderMissing,
    DestinationSubfolderMissing,
    MenuNotAFile,
    MenuPathInvalid,
    MenuFileReadOnly,
    DestinationNotAFile,
    DestinationFileReadOnly,
    MergeFileMissing,
    DestinationPathInvalid,
    BackupNotAFile,
    OperaRunning,
    FirefoxRunning,
    DestinationIsDatabase,
    ChromiumRunning,
};

// A failed check: the message box the window shows (exclamation icon, OK button) and what it
// repairs.
struct CheckFailure
{
    ExportCheck check = ExportCheck::SourceFileMissing;
    UserMessage message;
    WindowFix fix = WindowFix::None;
};

} // namespace orvalink
