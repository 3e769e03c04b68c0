// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/export_run.h"

#include "conversion/backup.h"
#include "conversion/destination_lock.h"
#include "conversion/loaded_source.h"
#include "forms/form_table.h"
#include "platform/file_helpers.h"
#include "settings/exported_items.h"

#include <QCoreApplication>
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

// Takes what a writer counted itself into the outcome.
void takeCounted(const WriteReport::Counted& counted, ExportOutcome& outcome)
{
    outcome.folders = counted.folders;
    outcome.links = counted.links;
    outcome.foldersNotCreated = counted.foldersNotCreated;
    outcome.linksNotWritten = counted.linksNotWritten;
    outcome.reason = counted.firstFailure;
}

// Shortcuts without an address were counted by the scan but left out of the tables: an export of
// everything could not write them.
void takeSkippedLinks(const BookmarkModel& source, ExportOutcome& outcome)
{
    const int skipped = source.skippedLinkCount();
    if (skipped == 0)
        return;
    outcome.links = std::max(outcome.links - skipped, 0);
    outcome.linksNotWritten += skipped;
    if (outcome.reason.isEmpty())
        outcome.reason = QCoreApplication::translate("orvalink::ExportRun",
                                                     "Their Internet Shortcuts Have No Address");
}

// The box for an export that has run: complete, incomplete or failed; takeIn is the writer's
// line on what the browser needs next, added to the completion.
UserMessage resultMessage(const ExportOutcome& outcome, const QString& takeIn)
{
    UserMessage message;
    if (outcome.completed()) {
        message =
            UserMessage{QCoreApplication::translate("orvalink::ExportRun", "Exporting Complete"),
                        {QCoreApplication::translate("orvalink::ExportRun",
                                                     "%1 Folders & %2 Links Exported Successfully.")
                             .arg(outcome.folders)
                             .arg(outcome.links)},
                        MessageIcon::Information};
        if (!takeIn.isEmpty())
            message.lines << takeIn;
        return message;
    }
    if (outcome.written()) {
        message.title = QCoreApplication::translate("orvalink::ExportRun", "Exporting Incomplete");
        message.lines << QCoreApplication::translate("orvalink::ExportRun",
                                                     "%1 Folders & %2 Links Exported.")
                             .arg(outcome.folders)
                             .arg(outcome.links);
        message.icon = MessageIcon::Exclamation;
    } else {
        message.title = QCoreApplication::translate("orvalink::ExportRun", "Exporting Failed");
        message.lines << QCoreApplication::translate("orvalink::ExportRun",
                                                     "Nothing Was Exported.");
        message.icon = MessageIcon::Critical;
    }
    if (outcome.linksNotWritten > 0)
        message.lines << QCoreApplication::translate("orvalink::ExportRun",
                                                     "%1 Links Could Not Be Written.")
                             .arg(outcome.linksNotWritten);
    if (outcome.foldersNotCreated > 0) {
        message.lines << QCoreApplication::translate("orvalink::ExportRun",
                                                     "%1 Folders Could Not Be Created.")
                             .arg(outcome.foldersNotCreated);
    }
    if (!outcome.reason.isEmpty())
        message.lines << QCoreApplication::translate("orvalink::ExportRun", "Reason: %1.")
                             .arg(outcome.reason);
    return message;
}

// The request as it applies to the destination now: with the lock held, whether the old file
// exists stays so until the write.
ExportRequest requestFor(const ExportRequest& asked, const QString& location)
{
    ExportRequest request = asked;
    if (asked.mergeWhenFileExists && !FileExists(location)) {
        request.file.merge = false;
        request.file.intoNewFolder = false;
        request.backup = false;
    }
    return request;
}

} // namespace

void TakeFileWindowOptions(const FileWindowOptions& options, const QString& newFolderName,
                           ExportRequest& request)
{
    request.mergeWhenFileExists = true;
    request.file.merge = options.oldBookmarks == OldBookmarks::Merge;
    request.file.intoNewFolder = request.file.merge && options.where == FileWhere::NewFolder;
    request.file.newFolderName = newFolderName;
    request.file.linksBefore = options.linksBefore;
    request.file.keepOrder = options.keepOrder;
    request.backup = options.backup;
}

MenuPageOptions PageOptionsOf(const MenuWindowOptions& options, const MenuColors& colors)
{
    MenuPageOptions page;
    page.colors = colors;
    page.vertical = options.vertical;
    page.openInNewWindow = options.openInNewWindow;
    page.showUrl = options.showUrl;
    page.shadows = options.shadows;
    page.showStatistics = options.showStatistics;
    page.breakAfter = options.breakSubmenus ? std::optional<int>(options.breakAfter) : std::nullopt;
    page.pageTitle = options.pageTitle;
    page.keepOrder = options.keepOrder;
    return page;
}

ExportOutcome RunExport(Job& job, ProgramSettings& settings, const ExportRequest& asked,
                        const ProcessTable& processes, Progress& progress)
{
    const StorageForm& destination = destinationForm(job);
    const QString location = job.destinationLocation();
    // Held from the checks to the end of the write, so that what was checked is still so when
    // the file is written and no other export replaces the file in between.
    using Kind = DestinationLock::Kind;
    DestinationLock lock(location, destination.isFolder() ? Kind::Folder : Kind::File);
    if (Result<void, UserMessage> locked = lock.acquire(); !locked)
        return failed(ExportOutcome::Status::DestinationBusy, locked.failure());

    const ExportRequest request = requestFor(asked, location);
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

    // An export of the selection has its source loaded already: the user made the selection in
    // it. Otherwise it is loaded now, before anything is written or backed up.
    const Result<BookmarkModel*, UserMessage> loaded = loadedSource(job, progress);
    if (!loaded)
        return failed(ExportOutcome::Status::WriteFailed, loaded.failure());
    BookmarkModel& source = *loaded.value();

    // A merge the form would refuse is refused before the backup, which would otherwise replace
    // an older backup with a copy of a file that is then left alone.
    if (Result<void, UserMessage> mergeable = destination.checkMerge(location, request); !mergeable)
        return failed(ExportOutcome::Status::WriteFailed, mergeable.failure());
    const bool backup = request.backup && destination.writeModes().backup;
    if (backup) {
        if (Result<void, UserMessage> backedUp = MakeBackup(location); !backedUp)
            return failed(ExportOutcome::Status::BackupFailed, backedUp.failure());
    }

    // The counts are known before writing, so that a menu page can name them.
    ExportOutcome outcome;
    if (destination.optionsPart() == OptionsPart::File && request.file.merge) {
        outcome.merge = ExportOutcome::Merge{backup ? BackupName(location) : QString(),
                                             request.file.intoNewFolder ? request.file.newFolderName
                                                                        : QString()};
    }
    const bool exportAll = destination.exportsAll(request);
    if (exportAll) {
        outcome.folders = job.TotalFolderCount;
        outcome.links = job.TotalLinkCount;
    } else {
        outcome.folders = source.SelectedFolderCount();
        outcome.links = source.SelectedLinkCount();
    }
    DestinationOptions options = request;
    options.menu.folderCount = outcome.folders;
    options.menu.linkCount = outcome.links;
    options.file.userName = job.UserName;

    const Result<WriteReport, UserMessage> written =
        destination.write(source, location, options, progress);
    if (!written)
        return failed(ExportOutcome::Status::WriteFailed, written.failure());
    progress.status(QCoreApplication::translate("orvalink::Progress", "Ready"));
    const WriteReport& report = written.value();
    if (report.counted)
        takeCounted(*report.counted, outcome);
    else if (exportAll)
        takeSkippedLinks(source, outcome);
    if (outcome.linksNotWritten > 0 || outcome.foldersNotCreated > 0 || !outcome.reason.isEmpty()) {
        // A file or page is there even when it could take nothing; a folder destination is only
        // the folders and files written into it.
        const bool nothingWritten = destination.isFolder() && outcome.folders + outcome.links == 0;
        outcome.status =
            nothingWritten ? ExportOutcome::Status::WriteFailed : ExportOutcome::Status::Incomplete;
    }
    if (outcome.written())
        AddTotalItemsExported(settings, report.items.value_or(outcome.folders + outcome.links));
    outcome.message = resultMessage(outcome, report.takeIn);
    return outcome;
}

} // namespace orvalink
