// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// Firefox's bookmark database, places.sqlite, or the profile folder that holds it. Read only:
// Firefox takes bookmarks in through a bookmark file, and its database is never written.
class FirefoxDatabaseForm final : public StorageForm
{
public:
    FirefoxDatabaseForm();

    // A file that starts as an SQLite database, or a profile folder with one.
    bool claims(const QString& location) const override;
    // An SQLite database holding Firefox's bookmark tables (see PlacesSnapshot).
    Result<void, UserMessage> recognise(const QString& location) const override;
    SourceCounts count(const QString& location, Progress& progress) const override;
    Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const override;
    std::optional<CheckFailure> checkSource(const QString& location) const override;

    // The places.sqlite of the user's Firefox profiles (see firefoxProfiles()).
    std::vector<DiscoveredSource> discoverSources() const override;
    QString locationIn(const QString& profileFolder) const override;
};

} // namespace orvalink
