// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// The Opera hotlist (.adr): the text format headed "Opera Hotlist version 2.0", with "#FOLDER"
// and "#URL" records.
class HotlistForm final : public StorageForm
{
public:
    HotlistForm();

    // See isHotlistContent().
    bool claims(const QString& location) const override;
    Result<void, UserMessage> recognise(const QString& location) const override;
    SourceCounts count(const QString& location, Progress& progress) const override;
    Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const override;

    // Appending to a file that is no hotlist is refused.
    Result<void, UserMessage> checkMerge(const QString& location,
                                         const DestinationOptions& options) const override;
    Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                           const DestinationOptions& options,
                                           Progress& progress) const override;

    // Opera's hotlist, as Opera's settings name it (see operaHotlistPath()).
    std::vector<DiscoveredSource> discoverSources() const override;
};

} // namespace orvalink
