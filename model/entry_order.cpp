// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry_order.h"

#include "model/text_order.h"

#include <algorithm>

namespace orvalink {

namespace {

// Days since 30 December 1899, the day count the date keys were designed around, of the
// moment's local calendar date; an unknown date counts as day 0.
qint64 dayNumber(BookmarkTime time)
{
    static const qint64 epoch = QDate(1899, 12, 30).toJulianDay();
    const QDate date = localDate(time);
    return date.isValid() ? date.toJulianDay() - epoch : 0;
}

// Subfolder entries have no URL. Pushing their day number this far ahead sorts them after
// every link of the same century.
constexpr qint64 kSubfolderDayOffset = 10000;

} // namespace

std::vector<int> sortedEntryRows(const BookmarkModel& model, int folderRow, EntryColumn column,
                                 bool descending)
{
    const FolderRecord& record = model.folder(folderRow);
    std::vector<int> rows;
    // A separator has no line of its own in the list: it is a place between entries, which no
    // sorted list keeps.
    for (int r = record.FirstLink; r <= record.LastLink; ++r) {
        if (!model.link(r).isSeparator())
            rows.push_back(r);
    }

    if (column == EntryColumn::CreationDate) {
        auto key = [&](int r) {
            const LinkRecord& entry = model.link(r);
            return dayNumber(model.shownDate(r)) + (entry.URL.isEmpty() ? kSubfolderDayOffset : 0);
        };
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            return descending ? key(b) < key(a) : key(a) < key(b);
        });
        return rows;
    }

    // Entries without a URL (subfolders) get thirty spaces in front of their key, which puts
    // them ahead of the links in ascending order.
    const QString subfolderPrefix(30, QLatin1Char(' '));
    std::vector<QString> keys;
    keys.reserve(rows.size());
    for (int r : rows) {
        const LinkRecord& entry = model.link(r);
        const QString& text = column == EntryColumn::URL ? entry.URL : entry.Name;
        keys.push_back(caseBlindKey(entry.URL.isEmpty() ? subfolderPrefix + text : text));
    }
    std::vector<int> positions(rows.size());
    for (size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<int>(i);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const QString& ka = keys[static_cast<size_t>(a)];
        const QString& kb = keys[static_cast<size_t>(b)];
        return descending ? kb < ka : ka < kb;
    });
    std::vector<int> sorted;
    sorted.reserve(rows.size());
    for (int position : positions)
        sorted.push_back(rows[static_cast<size_t>(position)]);
    return sorted;
}

} // namespace orvalink
