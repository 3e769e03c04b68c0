#pragma once

#include "model/job.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/processes.h"

#include <QString>
#include <QStringView>

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

// The caption of "fraWhat" when no source is selected.
inline constexpr QStringView kNoSourceWhatCaption = u"What to Export: (0 Folders && 0 Links)";

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
};

// A failed check: the message box the window shows (exclamation icon, OK button) and what it
// repairs.
struct CheckFailure
{
    ExportCheck check = ExportCheck::SourceFileMissing;
    UserMessage message;
    WindowFix fix = WindowFix::None;
};

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

// Whether the file at path is protected against writing: on Windows its read-only attribute;
// elsewhere its owner has no write permission, whoever runs the program (root could write it
// anyway, but the user has marked it as not to be changed). A missing file is not read-only.
bool IsReadOnly(const QString& path);

} // namespace orvalink
