// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exported_items.h"

#include "settings/program_settings.h"

#include <algorithm>
#include <limits>

namespace orvalink {

qint32 AddTotalItemsExported(ProgramSettings& settings, qint32 count)
{
    static const QString kSection = QStringLiteral("Settings");
    static const QString kKey = QStringLiteral("TotalItemsExported");

    CSetting store = settings.optionsStore();
    // Read and written in one go: two programs exporting at the same time lose no item.
    const auto add = [count](qint32 total) -> std::optional<qint32> {
        const qint64 sum = qint64(total) + count;
        if (count == 0 || sum < std::numeric_limits<qint32>::min() ||
            sum > std::numeric_limits<qint32>::max())
            return std::nullopt;
        return static_cast<qint32>(sum);
    };
    if (count == 0) {
        // Only reading: the file is not even created.
        const Result<qint32> stored = store.GetSettingInt(kSection, kKey, 0);
        return stored ? std::max(stored.value(), 0) : 0;
    }
    // A failed write leaves the old total, which is all the caller could do about it.
    const Result<qint32> total = store.UpdateSettingInt(kSection, kKey, 0, add);
    if (total)
        return std::max(total.value(), 0);
    const Result<qint32> stored = store.GetSettingInt(kSection, kKey, 0);
    return stored ? std::max(stored.value(), 0) : 0;
}

} // namespace orvalink
