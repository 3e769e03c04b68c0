#pragma once

#include "menu/menu_options.h"
#include "model/job.h"
#include "model/progress.h"
#include "model/user_message.h"
#include "platform/processes.h"
#include "windows/export_checks.h"
#include "writers/export_options.h"

#include <optional>

namespace orvalink {

// Everything an export needs besides the job: the choices of the export window (or the command
// line's options), each counting only where the window has it both set and enabled.
struct ExportRequest
{
    // For a bookmark file or hotlist destination.
    FileExportOptions file;
    // Copy the destination to its backup name first ("chkBackup").
    bool backup = false;
    // For a Favorites destination.
    FavoritesExportOptions favorites;
    // For a cascading menu page; its counts are filled in by the export.
    MenuPageOptions menu;
};

// How an export ended.
struct ExportOutcome
{
    enum class Status { Completed, DestinationBusy, CheckFailed, BackupFailed, WriteFailed };

    Status status = Status::Completed;
    // The box to show: "Exporting Complete" with the counts, or what went wrong.
    UserMessage message;
    // Set when a check failed: what the window repairs.
    std::optional<CheckFailure> check;
    // The folders and links reported as exported.
    int folders = 0;
    int links = 0;
    // Favorites destination: links whose files could not be written.
    int linksNotWritten = 0;

    bool completed() const { return status == Status::Completed; }
};

// Runs an export as the export windows' start and create buttons do: under a lock on the
// destination (see DestinationLock; when another export still holds it after the wait, nothing
// is done and the status is DestinationBusy), the checks, the backup when asked, the writer of
// the job's destination or the menu page generator (loading the source on first use), then the
// exported-items total (the folders and links reported; for a menu page the items it holds). The
// counts are the source's totals (the job's TotalFolderCount and TotalLinkCount, from the
// window's scan) when everything is exported, and the selected counts otherwise. Nothing is
// written when a check or the backup fails.
ExportOutcome RunExport(Job& job, const ExportRequest& request, const ProcessTable& processes,
                        Progress& progress);

} // namespace orvalink
