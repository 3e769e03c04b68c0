// Placeholder until the Favorites reader lands.
#include "sources/favorites_reader.h"

namespace orvalink {
void cFastScanning::Scan(const QString&) {}
Result<std::unique_ptr<BookmarkModel>> LoadFavorites(const QString&, int, Progress&)
{
    return Failure{QStringLiteral("not yet")};
}
void ListFolderEntries(BookmarkModel&, int) {}
} // namespace orvalink
