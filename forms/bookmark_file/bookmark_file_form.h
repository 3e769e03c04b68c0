// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// The bookmark file: the HTML bookmark format headed "<!DOCTYPE NETSCAPE-Bookmark-file-1>" that
// Firefox keeps as bookmarks.html and every browser imports and exports.
class BookmarkFileForm final : public StorageForm
{
public:
    BookmarkFileForm();

    // See isBookmarkFileContent().
    bool claims(const QString& location) const override;
    Result<void, UserMessage> recognise(const QString& location) const override;
    SourceCounts count(const QString& location, Progress& progress) const override;
    Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const override;

    // Not Firefox's database, which shares the bookmark file's history of locations.
    bool offersAsDestination(const QString& location) const override;
    // Firefox's database, or a profile folder, is refused first (see refuseDatabaseDestination()).
    std::optional<CheckFailure> checkDestination(const QString& location,
                                                 const ExportCheckInputs& inputs) const override;
    // A merge into a file that is no bookmark file, or is cut off inside a tag, is refused.
    Result<void, UserMessage> checkMerge(const QString& location,
                                         const DestinationOptions& options) const override;
    Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                           const DestinationOptions& options,
                                           Progress& progress) const override;

    // The bookmarks.html of the user's Firefox profiles (see firefoxProfiles()).
    std::vector<DiscoveredSource> discoverSources() const override;
};

} // namespace orvalink
