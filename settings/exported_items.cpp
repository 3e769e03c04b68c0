#include "settings/exported_items.h"

#include "settings/csetting.h"

#include <limits>

namespace orvalink {

qint32 AddTotalItemsExported(qint32 count)
{
    static const QString kSection = QStringLiteral("Settings");
    static const QString kKey = QStringLiteral("TotalItemsExported");

    CSetting store;
    store.Init();
    const Result<qint32> stored = store.GetSettingInt(kSection, kKey, 0);
    if (!stored)
        return 0;
    qint32 total = stored.value();
    const qint64 sum = qint64(total) + count;
    if (count != 0 && sum >= std::numeric_limits<qint32>::min() &&
        sum <= std::numeric_limits<qint32>::max()) {
        total = static_cast<qint32>(sum);
        // A failed write leaves the old total, which is all the caller could do about it.
        (void)store.SaveSettingInt(kSection, kKey, total);
    }
    return total < 0 ? 0 : total;
}

} // namespace orvalink
