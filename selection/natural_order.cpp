// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/natural_order.h"

#include <QCollatorSortKey>
#include <algorithm>

namespace orvalink {

namespace {

// The C locale collates by code point and ignores numeric mode, so a user without a language
// setting gets the collation of English, which suits names in any Latin script.
QLocale collationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

} // namespace

NaturalOrder::NaturalOrder()
    : m_collator(collationLocale())
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void NaturalOrder::sort(std::vector<int>& items, const std::function<int(int)>& rankOf,
                        const std::function<QString(int)>& nameOf, bool descending) const
{
    struct Keyed
    {
        int rank;
        QCollatorSortKey key;
        int item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (int item : items)
        keyed.push_back({rankOf(item), m_collator.sortKey(nameOf(item)), item});
    auto before = [](const Keyed& a, const Keyed& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        return a.key.compare(b.key) < 0;
    };
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        return descending ? before(b, a) : before(a, b);
    });
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = keyed[i].item;
}

} // namespace orvalink
