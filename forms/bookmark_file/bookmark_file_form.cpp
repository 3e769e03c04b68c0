// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_form.h"

#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "forms/firefox_database/places_snapshot.h"
#include "forms/firefox_discovery.h"
#include "forms/source_file.h"

#include <QCoreApplication>

namespace orvalink {

namespace {

constexpr ContentTest kBookmarkFileContent{&isBookmarkFileContent, &notABookmarkFile};

} // namespace

BookmarkFileForm::BookmarkFileForm()
    : StorageForm(Traits{
          .id = FormId::BookmarkFile,
          .commandLineName = QStringLiteral("firefox"),
          .displayName = QCoreApplication::translate(
              "orvalink::BookmarkFileForm", "a bookmark file such as Firefox's bookmarks.html"),
          .shortName = QStringLiteral("FF"),
          .iconName = QStringLiteral("bookmark_file"),
          .storage = Storage::File,
          .canRead = true,
          .canWrite = true,
          .writeModes = {.merge = true,
                         .overwrite = true,
                         .backup = true,
                         .topLevel = true,
                         .newFolder = true},
          .optionsPart = OptionsPart::File,
          .fileFilter = {.openName = QCoreApplication::translate("orvalink::BookmarkFileForm",
                                                                 "HTML Files"),
                         .saveName = QCoreApplication::translate("orvalink::BookmarkFileForm",
                                                                 "HTML Files"),
                         .patterns = QStringLiteral("*.html;*.htm"),
                         .defaultExtension = QStringLiteral("htm")},
          .browser = RunningBrowser{QStringLiteral("firefox.exe"), QStringLiteral("Firefox"),
                                    ExportCheck::FirefoxRunning},
          .countedByLoading = true,
      })
{}

bool BookmarkFileForm::claims(const QString& location) const
{
    return holdsSourceContent(location, kBookmarkFileContent);
}

Result<void, UserMessage> BookmarkFileForm::recognise(const QString& location) const
{
    FileContents contents;
    return openSourceFile(contents, location, kBookmarkFileContent);
}

SourceCounts BookmarkFileForm::count(const QString& location, Progress& progress) const
{
    cNNFastScanning scanner;
    scanner.setFolderScanHandler([&](const QString& name) {
        progress.status(
            QCoreApplication::translate("orvalink::Progress", "Searching Folder: %1").arg(name));
    });
    scanner.Scan(location);
    return {scanner.nTotalFolders(), scanner.nTotalLinks()};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage>
BookmarkFileForm::load(const QString& location, int, Progress& progress) const
{
    return loadSourceFile(location, kBookmarkFileContent, &parseBookmarkFile, progress);
}

bool BookmarkFileForm::offersAsDestination(const QString& location) const
{
    return !refuseDatabaseDestination(location);
}

std::optional<CheckFailure>
BookmarkFileForm::checkDestination(const QString& location, const ExportCheckInputs& inputs) const
{
    if (std::optional<CheckFailure> database = refuseDatabaseDestination(location))
        return database;
    return StorageForm::checkDestination(location, inputs);
}

Result<void, UserMessage> BookmarkFileForm::checkMerge(const QString& location,
                                                       const DestinationOptions& options) const
{
    if (!options.file.merge)
        return {};
    return CanMergeIntoBookmarkFile(location);
}

Result<WriteReport, UserMessage> BookmarkFileForm::write(BookmarkModel& source,
                                                         const QString& location,
                                                         const DestinationOptions& options,
                                                         Progress& progress) const
{
    if (Result<void, UserMessage> written =
            WriteBookmarkFile(source, location, options.file, progress);
        !written)
        return written.failure();
    // Firefox keeps its bookmarks in its database and reads a bookmark file only when asked.
    WriteReport report;
    report.takeIn = QCoreApplication::translate("orvalink::BookmarkFileForm",
                                                "To Take It Into Firefox, Choose \"Import and "
                                                "Backup\" → \"Import Bookmarks from HTML…\" in "
                                                "Its Library.");
    return report;
}

std::vector<DiscoveredSource> BookmarkFileForm::discoverSources() const
{
    return firefoxProfileFiles(QStringLiteral("bookmarks.html"), id());
}

} // namespace orvalink
