#include "model/bookmark_tables.h"

#include "model/text_order.h"

#include <algorithm>

namespace orvalink {

void SortNameUrlPairs(std::vector<NameUrlPair>& pairs, bool descending)
{
    std::vector<QString> names;
    names.reserve(pairs.size());
    for (const NameUrlPair& pair : pairs)
        names.push_back(pair.name);
    std::vector<int> order = caseBlindOrder(names);
    if (descending)
        std::reverse(order.begin(), order.end());
    std::vector<NameUrlPair> sorted;
    sorted.reserve(pairs.size());
    for (int position : order)
        sorted.push_back(std::move(pairs[static_cast<size_t>(position)]));
    pairs = std::move(sorted);
}

} // namespace orvalink
