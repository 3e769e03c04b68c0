#include "conversion/export_run.h"

#include "conversion/backup.h"
#include "conversion/destination_lock.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "forms/favorites/favorites_writer.h"
#include "forms/hotlist/hotlist_writer.h"
#include "forms/menu_page/menu_page_generator.h"
#include "forms/source_loader.h"
#include "settings/exported_items.h"

#include <algorithm>

namespace orvalink {

namespace {

ExportOutcome failed(ExportOutcome::Status status, UserMessage message)
{
    ExportOutcome outcome;
    outcome.status = status;
    outcome.message = std::move(message);
    return outcome;
}

bool exportsAll(const Job& job, const ExportRequest& request)
{
    if (DestIsIE(job.mode))
        return request.favorites.exportAll;
    return DestIsMenu(job.mode) ? request.menu.exportAll : request.file.exportAll;
}

// Takes what a Favorites export wrote and could not write into the outcome.
void takeReport(const FavoritesExportReport& report, ExportOutcome& outcome)
{
    outcome.folders = report.foldersWritten();
    outcome.links = report.linksWritten();
    outcome.foldersNotCreated = report.foldersNotCreated();
    outcome.linksNotWritten = report.linksNotWritten();
    outcome.reason = report.firstFailure();
}

// Shortcuts without an address were counted by the scan but left out of the tables: an export of
// everything could not write them.
void takeSkippedLinks(const Job& job, ExportOutcome& outcome)
{
    const int skipped = job.source() ? job.source()->skippedLinkCount() : 0;
    if (skipped == 0)
        return;
    outcome.links = std::max(outcome.links - skipped, 0);
    outcome.linksNotWritten += skipped;
    if (outcome.reason.isEmpty())
        outcome.reason = QStringLiteral("Their Internet Shortcuts Have No Address");
}

// Writes the destination. Returns how many items count for the exported-items total, or -1
// when that is the folders and links written.
Result<int, UserMessage> write(Job& job, const ExportRequest& request, Progress& progress,
                               ExportOutcome& outcome)
{
    if (DestIsMenu(job.mode)) {
        MenuPageOptions options = request.menu;
        options.folderCount = outcome.folders;
        options.linkCount = outcome.links;
        return CreateMenuPage(job, job.MenuFileLocation, options, progress);
    }
    Result<void, UserMessage> written;
    if (DestIsFirefox(job.mode)) {
        written = WriteBookmarkFile(job, job.DestinationFileLocation, request.file, progress);
    } else if (DestIsOpera(job.mode)) {
        written = WriteOperaHotlist(job, job.DestinationFileLocation, request.file, progress);
    } else {
        Result<FavoritesExportReport, UserMessage> exported =
            ExportToFav(job, request.favorites, progress);
        if (!exported)
            return exported.failure();
        takeReport(exported.value(), outcome);
    }
    if (!written)
        return written.failure();
    return -1;
}

// The box for an export that has run: complete, incomplete or failed.
UserMessage resultMessage(const ExportOutcome& outcome)
{
    if (outcome.completed()) {
        return UserMessage{QStringLiteral("Exporting Complete"),
                           {QStringLiteral("%1 Folders & %2 Links Exported Successfully.")
                                .arg(outcome.folders)
                                .arg(outcome.links)},
                           MessageIcon::Information};
    }
    UserMessage message;
    if (outcome.written()) {
        message.title = QStringLiteral("Exporting Incomplete");
        message.lines << QStringLiteral("%1 Folders & %2 Links Exported.")
                             .arg(outcome.folders)
                             .arg(outcome.links);
        message.icon = MessageIcon::Exclamation;
    } else {
        message.title = QStringLiteral("Exporting Failed");
        message.lines << QStringLiteral("Nothing Was Exported.");
        message.icon = MessageIcon::Critical;
    }
    if (outcome.linksNotWritten > 0)
        message.lines
            << QStringLiteral("%1 Links Could Not Be Written.").arg(outcome.linksNotWritten);
    if (outcome.foldersNotCreated > 0) {
        message.lines
            << QStringLiteral("%1 Folders Could Not Be Created.").arg(outcome.foldersNotCreated);
    }
    if (!outcome.reason.isEmpty())
        message.lines << QStringLiteral("Reason: %1.").arg(outcome.reason);
    return message;
}

} // namespace

ExportOutcome RunExport(Job& job, const ExportRequest& request, const ProcessTable& processes,
                        Progress& progress)
{
    // Held from the checks to the end of the write, so that what was checked is still so when
    // the file is written and no other export replaces the file in between.
    using Kind = DestinationLock::Kind;
    DestinationLock lock(job.destinationLocation(), DestIsIE(job.mode) ? Kind::Folder : Kind::File);
    if (Result<void, UserMessage> locked = lock.acquire(); !locked)
        return failed(ExportOutcome::Status::DestinationBusy, locked.failure());

    ExportCheckInputs inputs;
    inputs.merge = request.file.merge;
    inputs.intoExistingSubfolder = request.favorites.where == FavoritesWhere::ExistingFolder;
    inputs.existingSubfolder = request.favorites.existingFolder;
    inputs.backup = request.backup;
    if (Result<void, CheckFailure> checked = ValidateExport(job, inputs, false, processes);
        !checked) {
        ExportOutcome outcome =
            failed(ExportOutcome::Status::CheckFailed, checked.failure().message);
        outcome.check = checked.failure();
        return outcome;
    }

    const bool fileDestination = DestIsFirefox(job.mode) || DestIsOpera(job.mode);
    // A merge the writer would refuse is refused before the backup, which would otherwise
    // replace an older backup with a copy of a file that is then left alone.
    if (fileDestination && request.file.merge) {
        const Result<void, UserMessage> mergeable =
            DestIsFirefox(job.mode) ? CanMergeIntoBookmarkFile(job.DestinationFileLocation)
                                    : CanMergeIntoHotlist(job.DestinationFileLocation);
        if (!mergeable)
            return failed(ExportOutcome::Status::WriteFailed, mergeable.failure());
    }
    if (fileDestination && request.backup) {
        if (Result<void, UserMessage> backedUp = MakeBackup(job.DestinationFileLocation); !backedUp)
            return failed(ExportOutcome::Status::BackupFailed, backedUp.failure());
    }

    // An export of the selection has its source loaded already: the user made the selection in
    // it. The counts are known before writing, so that a menu page can name them.
    ExportOutcome outcome;
    if (exportsAll(job, request)) {
        outcome.folders = job.TotalFolderCount;
        outcome.links = job.TotalLinkCount;
    } else if (const BookmarkModel* source = job.source()) {
        outcome.folders = source->SelectedFolderCount();
        outcome.links = source->SelectedLinkCount();
    }

    const Result<int, UserMessage> written = write(job, request, progress, outcome);
    if (!written)
        return failed(ExportOutcome::Status::WriteFailed, written.failure());
    progress.status(QStringLiteral("Ready"));
    const int items = written.value();
    if (!DestIsIE(job.mode) && exportsAll(job, request))
        takeSkippedLinks(job, outcome);
    if (outcome.linksNotWritten > 0 || outcome.foldersNotCreated > 0 || !outcome.reason.isEmpty()) {
        // A file or page is there even when it could take nothing; Favorites are only their
        // folders and files.
        const bool nothingWritten = DestIsIE(job.mode) && outcome.folders + outcome.links == 0;
        outcome.status =
            nothingWritten ? ExportOutcome::Status::WriteFailed : ExportOutcome::Status::Incomplete;
    }
    if (outcome.written())
        AddTotalItemsExported(items >= 0 ? items : outcome.folders + outcome.links);
    outcome.message = resultMessage(outcome);
    return outcome;
}

} // namespace orvalink
