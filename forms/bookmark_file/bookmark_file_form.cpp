#include "forms/bookmark_file/bookmark_file_form.h"

#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "forms/bookmark_file/firefox_discovery.h"
#include "forms/source_file.h"

namespace orvalink {

namespace {

constexpr ContentTest kBookmarkFileContent{&isBookmarkFileContent, &notABookmarkFile};

} // namespace

BookmarkFileForm::BookmarkFileForm()
    : StorageForm(Traits{
          .id = FormId::BookmarkFile,
          .commandLineName = QStringLiteral("firefox"),
          .displayName = QStringLiteral("a bookmark file such as Firefox's bookmarks.html"),
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
          .fileFilter = {.openName = QStringLiteral("HTML Files"),
                         .saveName = QStringLiteral("HTML Files"),
                         .patterns = QStringLiteral("*.html;*.htm"),
                         .defaultExtension = QStringLiteral("htm")},
          .browser = RunningBrowser{QStringLiteral("firefox.exe"), QStringLiteral("Firefox"),
                                    ExportCheck::FirefoxRunning},
      })
{}

Result<void, UserMessage> BookmarkFileForm::recognise(const QString& location) const
{
    FileContents contents;
    return openSourceFile(contents, location, kBookmarkFileContent);
}

SourceCounts BookmarkFileForm::count(const QString& location, Progress& progress) const
{
    cNNFastScanning scanner;
    scanner.setFolderScanHandler(
        [&](const QString& name) { progress.status(QStringLiteral("Searching Folder: ") + name); });
    scanner.Scan(location);
    return {scanner.nTotalFolders(), scanner.nTotalLinks()};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage>
BookmarkFileForm::load(const QString& location, int, Progress& progress) const
{
    return loadSourceFile(location, id(), kBookmarkFileContent, &parseBookmarkText, progress);
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
    return WriteReport{};
}

int BookmarkFileForm::discover(QStringList& entries) const
{
    return FindFirefoxBookmarks(entries);
}

} // namespace orvalink
