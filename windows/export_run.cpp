#include "windows/export_run.h"

#include "menu/menu_page_generator.h"
#include "settings/exported_items.h"
#include "sources/source_loader.h"
#include "windows/destination_lock.h"
#include "writers/backup.h"
#include "writers/bookmark_file_writer.h"
#include "writers/favorites_writer.h"
#include "writers/hotlist_writer.h"

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

// Writes the destination. Returns how many items count for the exported-items total, or -1
// when that is the folders and links reported.
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
        outcome.linksNotWritten = exported.value().linksNotWritten();
    }
    if (!written)
        return written.failure();
    return -1;
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
    AddTotalItemsExported(items >= 0 ? items : outcome.folders + outcome.links);

    outcome.message.title = QStringLiteral("Exporting Complete");
    outcome.message.lines << QStringLiteral("%1 Folders & %2 Links Exported Successfully.")
                                 .arg(outcome.folders)
                                 .arg(outcome.links);
    outcome.message.icon = MessageIcon::Information;
    if (outcome.linksNotWritten > 0) {
        outcome.message.lines
            << QStringLiteral("%1 Links Could Not Be Written.").arg(outcome.linksNotWritten);
        outcome.message.icon = MessageIcon::Exclamation;
    }
    return outcome;
}

} // namespace orvalink
