// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <algorithm>
#include <numeric>
#include <vector>

namespace orvalink {

// Names are ordered "without regard to case" the same way everywhere (tree siblings, directory
// listings, link lists): both texts lower-cased, then compared code unit by code unit. No locale
// collation takes part, so row numbers and written files are the same on every machine.
inline QString caseBlindKey(const QString& text)
{
    return text.toLower();
}

// Positions 0..keys.size()-1 ordered by their keys without regard to case; equal keys keep their
// original order.
inline std::vector<int> caseBlindOrder(const std::vector<QString>& keys)
{
    std::vector<QString> lowered;
    lowered.reserve(keys.size());
    for (const QString& key : keys)
        lowered.push_back(caseBlindKey(key));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return lowered[a] < lowered[b]; });
    return order;
}

} // namespace orvalink
