// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <functional>
#include <vector>

namespace orvalink {

// The order in which the selection window shows names: as people read them, numbers by their
// value ("Folder 2" before "Folder 10") and without regard to case. Only the window's display
// follows it; what is written keeps its own order.
class NaturalOrder
{
public:
    NaturalOrder();

    // Sorts items by their rank first and their name second (descending reverses both); items
    // that compare equal keep their order. Each item's sort key is made once per call.
    void sort(std::vector<int>& items, const std::function<int(int)>& rankOf,
              const std::function<QString(int)>& nameOf, bool descending = false) const;

private:
    QCollator m_collator;
};

} // namespace orvalink
