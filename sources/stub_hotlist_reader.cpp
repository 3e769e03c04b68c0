// Placeholder until the hotlist reader lands.
#include "sources/hotlist_reader.h"

namespace orvalink {
void cOperaFastScanning::Scan(const QString&) {}
Result<ParsedTree> OperaCreateTree(const QString&)
{
    return Failure{QStringLiteral("not yet")};
}
} // namespace orvalink
