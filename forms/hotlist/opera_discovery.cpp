#include "forms/hotlist/opera_discovery.h"

#include "forms/browser_discovery.h"
#include "platform/browser_folders.h"
#include "platform/file_helpers.h"
#include "settings/csetting.h"

namespace orvalink {

int FindOperaHotlist(QStringList& entries)
{
    const QStringList settingsFiles = operaSettingsFiles();
    for (const QString& settingsFile : settingsFiles) {
        if (!FileExists(settingsFile))
            continue;
        // The first settings file there is the one Opera uses: the search ends with it.
        CSetting store;
        store.Init(settingsFile);
        const Result<QString> hotlist =
            store.GetSettingStr(kOperaPrefsSection.toString(), kOperaHotlistKey.toString());
        if (hotlist && FileExists(hotlist.value()) && addDiscovered(entries, hotlist.value()))
            return 1;
        return 0;
    }
    return 0;
}

} // namespace orvalink
