// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_profiles.h"

#include "platform/chromium_folders.h"
#include "platform/file_helpers.h"
#include "platform/profile_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvalink {

namespace {

// The executables of each browser: its Linux names, then its Windows one.
struct BrowserProcesses
{
    QStringView browser;
    std::initializer_list<QStringView> names;
};

const BrowserProcesses kBrowserProcesses[] = {
    {u"Chromium", {u"chromium", u"chromium-browser", u"chrome", u"chromium.exe", u"chrome.exe"}},
    {u"Google Chrome", {u"chrome", u"google-chrome", u"google-chrome-stable", u"chrome.exe"}},
    {u"Google Chrome Beta", {u"chrome", u"google-chrome-beta", u"chrome.exe"}},
    {u"Google Chrome Dev", {u"chrome", u"google-chrome-unstable", u"chrome.exe"}},
    {u"Microsoft Edge", {u"msedge", u"microsoft-edge", u"microsoft-edge-stable", u"msedge.exe"}},
    {u"Brave", {u"brave", u"brave-browser", u"brave.exe"}},
    {u"Vivaldi", {u"vivaldi", u"vivaldi-bin", u"vivaldi.exe"}},
    {u"Opera", {u"opera", u"opera.exe"}},
};

bool runs(QStringView browser, const ProcessTable& processes)
{
    const QStringList running = processes.executableNames();
    for (const BrowserProcesses& known : kBrowserProcesses) {
        if (known.browser != browser)
            continue;
        for (const QStringView name : known.names) {
            if (running.contains(name, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

// The profiles "Local State" lists: folder name and the name users see.
QList<std::pair<QString, QString>> listedProfiles(const QString& userData)
{
    QFile file(userData + QStringLiteral("/Local State"));
    QList<std::pair<QString, QString>> profiles;
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return profiles;
    // A small settings file, read once: the document reader is simplest here.
    const QJsonObject cache = QJsonDocument::fromJson(file.readAll())
                                  .object()
                                  .value(QLatin1String("profile"))
                                  .toObject()
                                  .value(QLatin1String("info_cache"))
                                  .toObject();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        const QString name = it.value().toObject().value(QLatin1String("name")).toString();
        profiles.append({it.key(), name.isEmpty() ? it.key() : name});
    }
    return profiles;
}

bool isBelow(const QString& path, const QString& folder)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    return path.startsWith(folder + u'/', kCase);
}

} // namespace

std::vector<DiscoveredSource> findChromiumProfiles()
{
    std::vector<DiscoveredSource> found;
    for (const ChromiumUserData& userData : chromiumUserDataFolders()) {
        if (!QFileInfo(userData.folder).isDir())
            continue;
        QList<std::pair<QString, QString>> profiles = listedProfiles(userData.folder);
        if (profiles.isEmpty())
            profiles.append({QStringLiteral("Default"), QStringLiteral("Default")});
        if (userData.folderIsProfile) {
            // The one profile is the folder itself, whatever its list calls it.
            profiles = {{QString(), profiles.first().second}};
        }
        for (const auto& [folder, name] : profiles) {
            const QString bookmarks =
                QDir::cleanPath(userData.folder + u'/' + folder + QStringLiteral("/Bookmarks"));
            if (FileExists(bookmarks))
                found.push_back({userData.browser, name, FormId::Chromium, bookmarks, true});
        }
    }
    return found;
}

std::optional<QString> chromiumBrowserUsing(const QString& path, const ProcessTable& processes)
{
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    bool sandboxed = false;
    for (const ChromiumUserData& userData : chromiumUserDataFolders()) {
        if (!isBelow(file, userData.folder))
            continue;
        if (runs(userData.browser, processes))
            return userData.browser;
        sandboxed = userData.sandboxed;
        break;
    }
    // The profile's folder holds the lock where it is the user-data folder (Opera, or a browser
    // started with a user-data folder of its own); otherwise the folder above it does.
    const QString profile = QFileInfo(file).path();
    for (const QString& folder : {profile, QFileInfo(profile).path()}) {
        if (profileLockOf(folder, sandboxed) == ProfileLock::Held) {
            for (const ChromiumUserData& userData : chromiumUserDataFolders()) {
                if (userData.folder == folder || isBelow(profile, userData.folder))
                    return userData.browser;
            }
            return QStringLiteral("Chromium");
        }
    }
    return std::nullopt;
}

} // namespace orvalink
