// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// The Chromium family's Bookmarks file: the JSON file Chromium, Chrome, Edge, Brave, Vivaldi and
// today's Opera keep in each profile folder.
class ChromiumForm final : public StorageForm
{
public:
    ChromiumForm();

    // See isChromiumContent().
    bool claims(const QString& location) const override;
    Result<void, UserMessage> recognise(const QString& location) const override;
    SourceCounts count(const QString& location, Progress& progress) const override;
    Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const override;

    // A merge into a file that is no Bookmarks file is refused.
    Result<void, UserMessage> checkMerge(const QString& location,
                                         const DestinationOptions& options) const override;
    Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                           const DestinationOptions& options,
                                           Progress& progress) const override;
    // The browser writes the file from memory whenever it likes: see chromiumBrowserUsing().
    std::optional<RunningBrowser> runningBrowser(const QString& location,
                                                 const ProcessTable& processes) const override;

    // "<Browser: profile> path" for every profile's Bookmarks (see findChromiumProfiles()).
    std::vector<DiscoveredSource> discoverSources() const override;
    QString locationIn(const QString& profileFolder) const override;
};

} // namespace orvalink
