// Placeholder until the bookmark file reader lands.
#include "sources/bookmark_file_reader.h"

namespace orvalink {
void cNNFastScanning::Scan(const QString&) {}
Result<ParsedTree> NNCreateTree(const QString&)
{
    return Failure{QStringLiteral("not yet")};
}
} // namespace orvalink
