// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/favorites_form.h"

#include "forms/browser_discovery.h"
#include "forms/favorites/favorites_reader.h"
#include "forms/favorites/favorites_writer.h"
#include "forms/form_checks.h"
#include "forms/source_file.h"
#include "platform/file_helpers.h"
#include "platform/special_folders.h"

#include <QCoreApplication>

namespace orvalink {

FavoritesForm::FavoritesForm()
    : StorageForm(Traits{
          .id = FormId::Favorites,
          .commandLineName = QStringLiteral("ie"),
          .displayName = QCoreApplication::translate("orvalink::FavoritesForm",
                                                     "an Internet Explorer Favorites folder"),
          .shortName = QStringLiteral("IE"),
          .iconName = QStringLiteral("favorites"),
          .storage = Storage::Folder,
          .canRead = true,
          .canWrite = true,
          .writeModes = {.topLevel = true, .newFolder = true, .existingFolder = true},
          .optionsPart = OptionsPart::Favorites,
          .fileFilter = {},
          .browser = std::nullopt,
      })
{}

Result<void, UserMessage> FavoritesForm::recognise(const QString& location) const
{
    if (Result<DirectoryHandle> opened = openFavoritesFolder(location); !opened)
        return readFailure(opened.error());
    return {};
}

SourceCounts FavoritesForm::count(const QString& location, Progress& progress) const
{
    cFastScanning scanner;
    scanner.setFolderScanHandler([&](const QString& path, const QString& name) {
        progress.status(QCoreApplication::translate("orvalink::Progress", "Searching Folder: %1")
                            .arg(path + name));
    });
    scanner.Scan(location);
    return {scanner.nFolder(), scanner.nLink()};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage>
FavoritesForm::load(const QString& location, int expectedFolders, Progress& progress) const
{
    Result<std::unique_ptr<BookmarkModel>> loaded =
        LoadFavorites(location, expectedFolders, progress);
    if (!loaded)
        return readFailure(loaded.error());
    return std::move(loaded.value());
}

std::optional<CheckFailure> FavoritesForm::checkSource(const QString& location) const
{
    if (FolderExists(location))
        return std::nullopt;
    return checkFailure(
        ExportCheck::SourceFolderMissing,
        QCoreApplication::translate("orvalink::FavoritesForm", "Selected Folder Does Not Exist"),
        {QCoreApplication::translate("orvalink::FavoritesForm",
                                     "The Selected Folder Does Not Exist."),
         QCoreApplication::translate("orvalink::FavoritesForm", "Please, Select Another Folder.")});
}

std::optional<CheckFailure> FavoritesForm::checkDestination(const QString& location,
                                                            const ExportCheckInputs& inputs) const
{
    if (!FolderExists(location))
        return subfolderMissing(ExportCheck::DestinationFolderMissing,
                                QCoreApplication::translate("orvalink::FavoritesForm", "Folder"));
    // An absolute path, one that climbs out with "..", or one that passes through a link would
    // send the export somewhere else entirely, so it counts as missing.
    if (inputs.intoExistingSubfolder &&
        !openSubfolder(location, inputs.existingSubfolder).isValid())
        return subfolderMissing(
            ExportCheck::DestinationSubfolderMissing,
            QCoreApplication::translate("orvalink::FavoritesForm", "Subfolder"));
    return std::nullopt;
}

Result<WriteReport, UserMessage> FavoritesForm::write(BookmarkModel& source,
                                                      const QString& location,
                                                      const DestinationOptions& options,
                                                      Progress& progress) const
{
    Result<FavoritesExportReport, UserMessage> exported =
        ExportToFav(source, location, options.favorites, progress);
    if (!exported)
        return exported.failure();
    const FavoritesExportReport& written = exported.value();
    WriteReport report;
    report.counted = WriteReport::Counted{written.foldersWritten(), written.linksWritten(),
                                          written.foldersNotCreated(), written.linksNotWritten(),
                                          written.firstFailure()};
    return report;
}

std::vector<DiscoveredSource> FavoritesForm::discoverSources() const
{
    const QString folder = GetFolderPath();
    if (folder.isEmpty())
        return {};
    return {{QStringLiteral("Internet Explorer"), QString(), id(), folder}};
}

} // namespace orvalink
