#include "conversion/export_checks.h"

#include "conversion/backup.h"
#include "platform/file_helpers.h"

#include <QDir>
#include <QFile>
#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace orvalink {

namespace {

CheckFailure failure(ExportCheck check, const QString& title, QStringList lines,
                     WindowFix fix = WindowFix::None)
{
    return CheckFailure{check, UserMessage{title, std::move(lines), MessageIcon::Exclamation}, fix};
}

// A bookmark file or hotlist that is gone: the source, or the destination to be merged.
CheckFailure fileMissing(ExportCheck check, WindowFix fix)
{
    return failure(check, QStringLiteral("Bookmark File Does Not Exist"),
                   {QStringLiteral("The Selected Bookmark File Does Not Exist Anymore."),
                    QStringLiteral("Please, Select Another Bookmark File.")},
                   fix);
}

// The wording ("Does Not Exists") is the one users have always seen; keep it.
CheckFailure pathInvalid(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return failure(check, QStringLiteral("Warning"),
                   {QDir::toNativeSeparators(path),
                    QStringLiteral("The Path of the Selected %1 File Does Not Exists.").arg(what),
                    QStringLiteral("Please, Select Another Destination.")},
                   fix);
}

// A device, pipe or folder stands where a file is to be written: the new file would take its
// place.
CheckFailure notAFile(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return failure(check, QStringLiteral("Warning"),
                   {QDir::toNativeSeparators(path),
                    QStringLiteral("The %1 is Not a Regular File.").arg(what),
                    QStringLiteral("Please, Select Another Destination.")},
                   fix);
}

CheckFailure readOnly(ExportCheck check, const QString& what)
{
    return failure(check, QStringLiteral("Read-Only Bookmark File"),
                   {QStringLiteral("The Selected %1 File is Read-Only.").arg(what),
                    QStringLiteral("Please, Select Another Bookmark File or Change Attribute.")});
}

CheckFailure browserRunning(ExportCheck check, const QString& browser)
{
    return failure(check, browser + QStringLiteral(" is running"),
                   {QStringLiteral("The %1 browser appears to be running.").arg(browser),
                    QStringLiteral("In order to export the bookmarks to %1,").arg(browser),
                    QStringLiteral("it is necessary to close all the %1 browsers.").arg(browser)});
}

CheckFailure subfolderMissing(ExportCheck check, const QString& what)
{
    return failure(check, QStringLiteral("Selected Subfolder Does Not Exist"),
                   {QStringLiteral("The Selected %1 Where To Export The Bookmarks").arg(what),
                    QStringLiteral("Does Not Exist Anymore. Please, Change Selection.")});
}

// The typed subfolder exists inside the Favorites folder. An absolute path, one that climbs out
// with "..", or one that passes through a link would send the export somewhere else entirely, so
// it counts as missing.
bool subfolderExists(const QString& favorites, const QString& typed)
{
    return openSubfolder(favorites, typed).isValid();
}

std::optional<CheckFailure> checkSource(const Job& job)
{
    if (SourceIsIE(job.mode)) {
        if (!FolderExists(job.IELocation)) {
            return failure(ExportCheck::SourceFolderMissing,
                           QStringLiteral("Selected Folder Does Not Exist"),
                           {QStringLiteral("The Selected Folder Does Not Exist."),
                            QStringLiteral("Please, Select Another Folder.")});
        }
    } else if (!FileExists(job.SourceFileLocation)) {
        return fileMissing(ExportCheck::SourceFileMissing, WindowFix::ResetFileComboAndWhat);
    }
    return std::nullopt;
}

std::optional<CheckFailure> checkDestination(const Job& job, const ExportCheckInputs& inputs)
{
    if (DestIsIE(job.mode)) {
        if (!FolderExists(job.IELocation)) {
            return subfolderMissing(ExportCheck::DestinationFolderMissing,
                                    QStringLiteral("Folder"));
        }
        if (inputs.intoExistingSubfolder &&
            !subfolderExists(job.IELocation, inputs.existingSubfolder)) {
            return subfolderMissing(ExportCheck::DestinationSubfolderMissing,
                                    QStringLiteral("Subfolder"));
        }
    } else if (DestIsMenu(job.mode)) {
        if (!isReplaceableFile(job.MenuFileLocation)) {
            return notAFile(ExportCheck::MenuNotAFile, job.MenuFileLocation,
                            QStringLiteral("Selected DHTML Menu File"), WindowFix::FocusMenuCombo);
        }
        if (!DestinationPathValid(job.MenuFileLocation)) {
            return pathInvalid(ExportCheck::MenuPathInvalid, job.MenuFileLocation,
                               QStringLiteral("DHTML Menu"), WindowFix::FocusMenuCombo);
        }
        if (IsReadOnly(job.MenuFileLocation))
            return readOnly(ExportCheck::MenuFileReadOnly, QStringLiteral("DHTML Menu"));
    } else if (DestIsFirefox(job.mode) || DestIsOpera(job.mode)) {
        const QString& destination = job.DestinationFileLocation;
        if (!isReplaceableFile(destination)) {
            return notAFile(ExportCheck::DestinationNotAFile, destination,
                            QStringLiteral("Selected Bookmark File"), WindowFix::FocusFileCombo);
        }
        if (IsReadOnly(destination))
            return readOnly(ExportCheck::DestinationFileReadOnly, QStringLiteral("Bookmark"));
        if (inputs.merge && !FileExists(destination))
            return fileMissing(ExportCheck::MergeFileMissing, WindowFix::ResetFileCombo);
        if (!DestinationPathValid(destination)) {
            return pathInvalid(ExportCheck::DestinationPathInvalid, destination,
                               QStringLiteral("Bookmark"), WindowFix::FocusFileCombo);
        }
        if (inputs.backup && FileExists(destination) &&
            !isReplaceableFile(BackupName(destination))) {
            return notAFile(ExportCheck::BackupNotAFile, BackupName(destination),
                            QStringLiteral("Backup of the Selected Bookmark File"),
                            WindowFix::None);
        }
    }
    return std::nullopt;
}

std::optional<CheckFailure> checkBrowsers(const Job& job, const ProcessTable& processes)
{
    if (DestIsOpera(job.mode) && IsProcessRunning(QStringLiteral("opera.exe"), processes))
        return browserRunning(ExportCheck::OperaRunning, QStringLiteral("Opera"));
    if (DestIsFirefox(job.mode) && IsProcessRunning(QStringLiteral("firefox.exe"), processes))
        return browserRunning(ExportCheck::FirefoxRunning, QStringLiteral("Firefox"));
    return std::nullopt;
}

} // namespace

Result<void, CheckFailure> ValidateExport(const Job& job, const ExportCheckInputs& inputs,
                                          bool sourceOnly, const ProcessTable& processes)
{
    if (auto failed = checkSource(job))
        return std::move(*failed);
    if (sourceOnly)
        return {};
    if (auto failed = checkDestination(job, inputs))
        return std::move(*failed);
    if (auto failed = checkBrowsers(job, processes))
        return std::move(*failed);
    return {};
}

bool IsReadOnly(const QString& path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat status
    {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           (status.st_mode & S_IWUSR) == 0;
#endif
}

} // namespace orvalink
