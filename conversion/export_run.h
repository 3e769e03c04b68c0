// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/export_checks.h"
#include "model/export_options.h"
#include "model/job.h"
#include "model/progress.h"
#include "model/user_message.h"
#include "platform/processes.h"
#include "settings/program_settings.h"
#include "settings/saved_options.h"

#include <optional>

namespace orvalink {

// Everything an export needs besides the job: the choices of the export window (or the command
// line's options), each counting only where the window has it both set and enabled. The
// destination's writer takes the options of its form.
struct ExportRequest : DestinationOptions
{
    // Copy the destination to its backup name first ("chkBackup"), where its form keeps backups.
    bool backup = false;
    // The choices about an old file (merge, the new folder, the backup) count only when the
    // destination file exists as the export takes its lock; otherwise the file is written whole,
    // at its top level, without a backup. The command line asks so: deciding before the lock, two
    // conversions into one new file would each write it whole and the later would replace the
    // earlier's. The windows decide from what they show, and leave this off.
    bool mergeWhenFileExists = false;
};

// A request of a window's saved options as the command line gives them (the table's defaults
// and its own flags): the choices about an old file are kept for when there is one
// (mergeWhenFileExists); the new folder, when one is made, is named newFolderName.
void TakeFileWindowOptions(const FileWindowOptions& options, const QString& newFolderName,
                           ExportRequest& request);
// The page options of the menu window's saved options, in the given colours.
MenuPageOptions PageOptionsOf(const MenuWindowOptions& options, const MenuColors& colors);

// How an export ended.
struct ExportOutcome
{
    enum class Status {
        Completed,
        Incomplete,
        DestinationBusy,
        CheckFailed,
        BackupFailed,
        WriteFailed
    };

    Status status = Status::Completed;
    // The box to show: "Exporting Complete" with the counts; "Exporting Incomplete" or
    // "Exporting Failed" with what was and was not written and why; or what else went wrong.
    UserMessage message;
    // Set when a check failed: what the window repairs.
    std::optional<CheckFailure> check;
    // The folders and links written.
    int folders = 0;
    int links = 0;
    // What could not be written: links, and the folders of a Favorites destination.
    int linksNotWritten = 0;
    int foldersNotCreated = 0;
    // Why the first of them could not be, such as the system's "No space left on device".
    QString reason;
    // Set when the source was merged into an old file.
    struct Merge
    {
        // The copy made of the old file first; "" when none was asked for.
        QString backupPath;
        // The new folder the source went into; "" for the top level.
        QString folder;
    };
    std::optional<Merge> merge;

    bool completed() const { return status == Status::Completed; }
    // The destination was written, whole or in part.
    bool written() const { return completed() || status == Status::Incomplete; }
};

// Runs an export as the export windows' start and create buttons do: under a lock on the
// destination (see DestinationLock; when another export still holds it after the wait, nothing
// is done and the status is DestinationBusy), whether there is an old file to apply the
// choices about it to (see mergeWhenFileExists), the checks, one load of the source (unless the
// selection loaded it already), whether the destination's form can merge into the old file when
// asked to, the backup when asked, one write by the destination's form, then the exported-items
// total in settings (the folders and links written; for a menu page the items it holds). Nothing is
// written, and no backup made, when a check, the load or the merge test fails.
//
// A Favorites destination counts what its writer really wrote. A file or page holds what the
// source had to give: its totals (the job's TotalFolderCount and TotalLinkCount, from the
// window's scan) when everything is exported, and the selected counts otherwise. The scan of a
// Favorites source counts Internet Shortcuts that turn out to have no address; they are reported
// as links not written.
//
// The outcome is Completed when everything was written, Incomplete when part of it was, and
// WriteFailed when nothing could be.
ExportOutcome RunExport(Job& job, ProgramSettings& settings, const ExportRequest& request,
                        const ProcessTable& processes, Progress& progress);

} // namespace orvalink
