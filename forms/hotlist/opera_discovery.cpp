// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/opera_discovery.h"

#include "platform/browser_folders.h"
#include "platform/file_helpers.h"
#include "settings/csetting.h"

namespace orvalink {

QString operaHotlistPath()
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
        return hotlist && FileExists(hotlist.value()) ? hotlist.value() : QString();
    }
    return QString();
}

} // namespace orvalink
