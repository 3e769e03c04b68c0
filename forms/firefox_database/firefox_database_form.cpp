// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/firefox_database/firefox_database_form.h"

#include "forms/firefox_database/places_reader.h"
#include "forms/firefox_database/places_snapshot.h"
#include "forms/firefox_discovery.h"
#include "forms/form_checks.h"

#include <QCoreApplication>

namespace orvalink {

FirefoxDatabaseForm::FirefoxDatabaseForm()
    : StorageForm(Traits{
          .id = FormId::FirefoxDatabase,
          .commandLineName = QStringLiteral("firefox"),
          .displayName = QCoreApplication::translate(
              "orvalink::FirefoxDatabaseForm", "Firefox's bookmark database, places.sqlite, or the "
                                               "profile folder holding it"),
          .shortName = QStringLiteral("FF"),
          .iconName = QStringLiteral("bookmark_file"),
          .storage = Storage::File,
          .canRead = true,
          .canWrite = false,
          .writeModes = {},
          .optionsPart = OptionsPart::File,
          .fileFilter = {.openName = QCoreApplication::translate("orvalink::FirefoxDatabaseForm",
                                                                 "Firefox Bookmark Databases"),
                         .saveName = QString(),
                         .patterns = QStringLiteral("places.sqlite"),
                         .defaultExtension = QString()},
          .browser = std::nullopt,
          // Counting and loading each copy the whole database first. A row cut off from the root
          // (in a damaged table) is found by the count alone; the loaded tables are then the
          // truer count.
          .countedByLoading = true,
      })
{}

bool FirefoxDatabaseForm::claims(const QString& location) const
{
    return holdsSqliteDatabase(location);
}

Result<void, UserMessage> FirefoxDatabaseForm::recognise(const QString& location) const
{
    Result<std::unique_ptr<PlacesSnapshot>, UserMessage> snapshot = PlacesSnapshot::open(location);
    if (!snapshot)
        return snapshot.failure();
    return {};
}

SourceCounts FirefoxDatabaseForm::count(const QString& location, Progress&) const
{
    Result<std::unique_ptr<PlacesSnapshot>, UserMessage> snapshot = PlacesSnapshot::open(location);
    return snapshot ? countPlaces(*snapshot.value()) : SourceCounts{};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage>
FirefoxDatabaseForm::load(const QString& location, int, Progress& progress) const
{
    progress.start(1);
    Result<std::unique_ptr<PlacesSnapshot>, UserMessage> snapshot = PlacesSnapshot::open(location);
    if (!snapshot)
        return snapshot.failure();
    Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded =
        readPlaces(*snapshot.value(), location);
    progress.step(1);
    progress.finish();
    return loaded;
}

std::optional<CheckFailure> FirefoxDatabaseForm::checkSource(const QString& location) const
{
    return StorageForm::checkSource(placesDatabasePath(location));
}

std::vector<DiscoveredSource> FirefoxDatabaseForm::discoverSources() const
{
    return firefoxProfileFiles(QStringLiteral("places.sqlite"), id());
}

QString FirefoxDatabaseForm::locationIn(const QString& profileFolder) const
{
    return placesDatabasePath(profileFolder);
}

} // namespace orvalink
