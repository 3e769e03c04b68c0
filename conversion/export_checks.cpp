// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/export_checks.h"

#include "conversion/backup.h"
#include "forms/form_checks.h"
#include "forms/form_table.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <optional>
#include <utility>

namespace orvalink {

namespace {

CheckFailure browserRunning(const RunningBrowser& browser)
{
    const QString& name = browser.name;
    return checkFailure(
        browser.check,
        QCoreApplication::translate("orvalink::ExportChecks", "%1 is running").arg(name),
        {QCoreApplication::translate("orvalink::ExportChecks",
                                     "The %1 browser appears to be running.")
             .arg(name),
         QCoreApplication::translate("orvalink::ExportChecks",
                                     "In order to export the bookmarks to %1,")
             .arg(name),
         QCoreApplication::translate("orvalink::ExportChecks",
                                     "it is necessary to close all the %1 browsers.")
             .arg(name)});
}

// A backup replaces what stands at its name once it is complete: only a regular file may.
std::optional<CheckFailure> checkBackup(const StorageForm& destination, const QString& location,
                                        const ExportCheckInputs& inputs)
{
    if (!inputs.backup || !destination.writeModes().backup || !FileExists(location) ||
        isReplaceableFile(BackupName(location)))
        return std::nullopt;
    return notAFile(ExportCheck::BackupNotAFile, BackupName(location),
                    QCoreApplication::translate("orvalink::ExportChecks",
                                                "Backup of the Selected Bookmark File"),
                    WindowFix::None);
}

} // namespace

Result<void, CheckFailure> ValidateExport(const Job& job, const ExportCheckInputs& inputs,
                                          bool sourceOnly, const ProcessTable& processes)
{
    if (auto failed = sourceForm(job).checkSource(job.sourceLocation()))
        return std::move(*failed);
    if (sourceOnly)
        return {};
    const StorageForm& destination = destinationForm(job);
    const QString location = job.destinationLocation();
    if (auto failed = destination.checkDestination(location, inputs))
        return std::move(*failed);
    if (auto failed = checkBackup(destination, location, inputs))
        return std::move(*failed);
    if (const std::optional<RunningBrowser> browser =
            destination.runningBrowser(location, processes))
        return browserRunning(*browser);
    return {};
}

} // namespace orvalink
