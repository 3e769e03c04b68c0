#include "forms/source_loader.h"

#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/favorites/favorites_reader.h"
#include "forms/hotlist/hotlist_reader.h"
#include "forms/parsed_tree.h"

namespace orvalink {

namespace {

Result<std::unique_ptr<BookmarkModel>> loadFile(SourceKind kind, const QString& location,
                                                Progress& progress)
{
    progress.start(1);
    Result<ParsedTree> parsed =
        kind == SourceKind::BookmarkFile ? NNCreateTree(location) : OperaCreateTree(location);
    if (!parsed)
        return Failure{parsed.error()};
    std::unique_ptr<BookmarkModel> model = TreeToTables(parsed.value(), kind, location);
    progress.step(1);
    progress.finish();
    return model;
}

} // namespace

Result<std::unique_ptr<BookmarkModel>> LoadSource(SourceKind kind, const QString& location,
                                                  int expectedFolders, Progress& progress)
{
    if (kind == SourceKind::Favorites)
        return LoadFavorites(location, expectedFolders, progress);
    return loadFile(kind, location, progress);
}

SourceCounts CountSource(SourceKind kind, const QString& location, Progress& progress)
{
    const QString searching = QStringLiteral("Searching Folder: ");
    switch (kind) {
    case SourceKind::Favorites: {
        cFastScanning scanner;
        scanner.setFolderScanHandler([&](const QString& path, const QString& name) {
            progress.status(searching + path + name);
        });
        scanner.Scan(location);
        return {scanner.nFolder(), scanner.nLink()};
    }
    case SourceKind::BookmarkFile: {
        cNNFastScanning scanner;
        scanner.setFolderScanHandler(
            [&](const QString& name) { progress.status(searching + name); });
        scanner.Scan(location);
        return {scanner.nTotalFolders(), scanner.nTotalLinks()};
    }
    case SourceKind::Hotlist: {
        cOperaFastScanning scanner;
        scanner.setFolderScanHandler(
            [&](const QString& name) { progress.status(searching + name); });
        scanner.Scan(location);
        return {scanner.nTotalFolders(), scanner.nTotalLinks()};
    }
    }
    return {};
}

Result<BookmarkModel*> loadedSource(Job& job, Progress& progress)
{
    if (!job.source()) {
        Result<std::unique_ptr<BookmarkModel>> loaded = LoadSource(
            sourceKindOf(job.mode), job.sourceLocation(), job.TotalFolderCount, progress);
        if (!loaded)
            return Failure{loaded.error()};
        job.setSource(std::move(loaded.value()));
    }
    return job.source();
}

} // namespace orvalink
