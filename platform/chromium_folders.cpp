// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chromium_folders.h"

#include "platform/special_folders.h"

#include <QDir>

namespace orvalink {

namespace {

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

struct Known
{
    const char* browser;
    const char* folder;
    bool folderIsProfile = false;
};

void addBelow(QList<ChromiumUserData>& folders, const QString& base,
              std::initializer_list<Known> known, bool sandboxed = false)
{
    if (base.isEmpty())
        return;
    for (const Known& entry : known) {
        const QString folder = QDir::cleanPath(base + u'/' + QString::fromUtf8(entry.folder));
        const bool listed =
            std::any_of(folders.cbegin(), folders.cend(),
                        [&](const ChromiumUserData& f) { return f.folder == folder; });
        if (!listed) {
            folders.append(ChromiumUserData{QString::fromUtf8(entry.browser), folder,
                                            entry.folderIsProfile, sandboxed});
        }
    }
}

} // namespace

QList<ChromiumUserData> chromiumUserDataFolders()
{
    QList<ChromiumUserData> folders;
#if defined(Q_OS_WIN)
    const QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    addBelow(folders, local,
             {{"Chromium", "Chromium/User Data"},
              {"Google Chrome", "Google/Chrome/User Data"},
              {"Google Chrome Beta", "Google/Chrome Beta/User Data"},
              {"Google Chrome Dev", "Google/Chrome Dev/User Data"},
              {"Microsoft Edge", "Microsoft/Edge/User Data"},
              {"Brave", "BraveSoftware/Brave-Browser/User Data"},
              {"Vivaldi", "Vivaldi/User Data"}});
    addBelow(folders, GetSpecialFolder(SpecialFolder::ApplicationData),
             {{"Opera", "Opera Software/Opera Stable", true}});
#elif defined(Q_OS_MACOS)
    addBelow(folders, homeFolder() + QStringLiteral("/Library/Application Support"),
             {{"Chromium", "Chromium"},
              {"Google Chrome", "Google/Chrome"},
              {"Google Chrome Beta", "Google/Chrome Beta"},
              {"Google Chrome Dev", "Google/Chrome Dev"},
              {"Microsoft Edge", "Microsoft Edge"},
              {"Brave", "BraveSoftware/Brave-Browser"},
              {"Vivaldi", "Vivaldi"},
              {"Opera", "com.operasoftware.Opera", true}});
#else
    const std::initializer_list<Known> linux{{"Chromium", "chromium"},
                                             {"Google Chrome", "google-chrome"},
                                             {"Google Chrome Beta", "google-chrome-beta"},
                                             {"Google Chrome Dev", "google-chrome-unstable"},
                                             {"Microsoft Edge", "microsoft-edge"},
                                             {"Brave", "BraveSoftware/Brave-Browser"},
                                             {"Vivaldi", "vivaldi"},
                                             {"Opera", "opera", true}};
    const QString home = homeFolder();
    // The browsers put their folders below $CHROME_CONFIG_HOME when it is set, otherwise below
    // the XDG configuration folder; one may have run with it and once without.
    addBelow(folders, qEnvironmentVariable("CHROME_CONFIG_HOME"), linux);
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    addBelow(folders, xdg.isEmpty() ? home + QStringLiteral("/.config") : xdg, linux);
    addBelow(folders, home + QStringLiteral("/snap"),
             {{"Chromium", "chromium/common/chromium"},
              {"Brave", "brave/current/.config/BraveSoftware/Brave-Browser"},
              {"Opera", "opera/current/.config/opera", true}});
    addBelow(folders, home + QStringLiteral("/.var/app"),
             {{"Chromium", "org.chromium.Chromium/config/chromium"},
              {"Google Chrome", "com.google.Chrome/config/google-chrome"},
              {"Microsoft Edge", "com.microsoft.Edge/config/microsoft-edge"},
              {"Brave", "com.brave.Browser/config/BraveSoftware/Brave-Browser"},
              {"Vivaldi", "com.vivaldi.Vivaldi/config/vivaldi"},
              {"Opera", "com.opera.Opera/config/opera", true}},
             true);
#endif
    return folders;
}

} // namespace orvalink
