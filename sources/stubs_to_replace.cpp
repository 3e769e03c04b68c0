// Placeholders until the readers land.
#include "sources/bookmark_file_reader.h"
#include "sources/favorites_reader.h"
#include "sources/hotlist_reader.h"

namespace orvalink {
Result<ParsedTree> NNCreateTree(const QString&)
{
    return Failure{QStringLiteral("not yet")};
}
Result<ParsedTree> OperaCreateTree(const QString&)
{
    return Failure{QStringLiteral("not yet")};
}
Result<std::unique_ptr<BookmarkModel>> LoadFavorites(const QString&, int, Progress&)
{
    return Failure{QStringLiteral("not yet")};
}
} // namespace orvalink
namespace orvalink {
void cNNFastScanning::Scan(const QString&) {}
void cOperaFastScanning::Scan(const QString&) {}
void cFastScanning::Scan(const QString&) {}
void ListFolderEntries(BookmarkModel&, int) {}
} // namespace orvalink
