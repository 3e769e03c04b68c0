// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// The Internet Explorer Favorites folder: a directory tree in which every folder is a bookmark
// folder and every Internet Shortcut (".url") file a link.
class FavoritesForm final : public StorageForm
{
public:
    FavoritesForm();

    // A folder that can be opened is a Favorites folder.
    Result<void, UserMessage> recognise(const QString& location) const override;
    SourceCounts count(const QString& location, Progress& progress) const override;
    Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const override;

    std::optional<CheckFailure> checkSource(const QString& location) const override;
    // The folder is there, and so is the existing subfolder chosen in it, which must lie inside
    // it and be reached without passing through a link.
    std::optional<CheckFailure> checkDestination(const QString& location,
                                                 const ExportCheckInputs& inputs) const override;
    Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                           const DestinationOptions& options,
                                           Progress& progress) const override;

    // The user's own Favorites folder (see GetFolderPath()).
    std::vector<DiscoveredSource> discoverSources() const override;
};

} // namespace orvalink
