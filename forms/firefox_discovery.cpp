// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/firefox_discovery.h"

#include "platform/browser_folders.h"
#include "platform/file_helpers.h"
#include "settings/csetting.h"

#include <algorithm>

namespace orvalink {

namespace {

// The Default= of every [Install…] section of the store, in file order.
QStringList installDefaults(const QString& iniPath, bool everySection)
{
    QStringList defaults;
    if (!FileExists(iniPath))
        return defaults;
    CSetting store;
    store.Init(iniPath);
    const Result<QStringList> sections = store.GetSectionNames();
    if (!sections)
        return defaults;
    for (const QString& section : sections.value()) {
        if (!everySection && !section.startsWith(u"Install", Qt::CaseInsensitive))
            continue;
        const Result<QString> path = store.GetSettingStr(section, QStringLiteral("Default"));
        if (path && !path.value().isEmpty())
            defaults << path.value();
    }
    return defaults;
}

struct ListedProfile
{
    FirefoxProfile profile;
    QString path;
    bool markedDefault;
};

// The profiles listed in folder + "profiles.ini", the one its installations use first. A store
// that fails to read ends the list; what was read before stays.
std::vector<FirefoxProfile> profilesIn(const QString& folder)
{
    const QString profilesIni = folder + QStringLiteral("profiles.ini");
    if (!FileExists(profilesIni))
        return {};
    CSetting store;
    store.Init(profilesIni);
    const Result<QStringList> sections = store.GetSectionNames();
    if (!sections)
        return {};
    std::vector<ListedProfile> listed;
    for (const QString& section : sections.value()) {
        if (!section.startsWith(u"profile", Qt::CaseInsensitive))
            continue;
        const Result<QString> name =
            store.GetSettingStr(section, QStringLiteral("Name"), QStringLiteral("NoName"));
        const Result<qint32> isRelative =
            store.GetSettingInt(section, QStringLiteral("IsRelative"));
        const Result<QString> path = store.GetSettingStr(section, QStringLiteral("Path"));
        const Result<qint32> isDefault = store.GetSettingInt(section, QStringLiteral("Default"));
        if (!name || !isRelative || !path || !isDefault)
            break;
        // Firefox writes relative paths with "/", so they join the folder as they are.
        QString profileFolder = isRelative.value() == 1 ? folder + path.value() : path.value();
        while (profileFolder.endsWith(u'/'))
            profileFolder.chop(1);
        listed.push_back({{name.value(), profileFolder}, path.value(), isDefault.value() == 1});
    }
    // installs.ini mirrors the [Install…] sections; an installation may be in either alone.
    const QStringList defaults = installDefaults(profilesIni, false) +
                                 installDefaults(folder + QStringLiteral("installs.ini"), true);
    auto rank = [&](const ListedProfile& profile) {
        const qsizetype install = defaults.indexOf(profile.path);
        if (install >= 0)
            return install;
        return defaults.size() + (profile.markedDefault ? 0 : 1);
    };
    std::stable_sort(
        listed.begin(), listed.end(),
        [&](const ListedProfile& a, const ListedProfile& b) { return rank(a) < rank(b); });
    std::vector<FirefoxProfile> profiles;
    for (ListedProfile& profile : listed)
        profiles.push_back(std::move(profile.profile));
    return profiles;
}

} // namespace

std::vector<FirefoxProfile> firefoxProfiles()
{
    std::vector<FirefoxProfile> profiles;
    for (const QString& folder : firefoxFolders()) {
        std::vector<FirefoxProfile> found = profilesIn(folder);
        std::move(found.begin(), found.end(), std::back_inserter(profiles));
    }
    return profiles;
}

std::vector<DiscoveredSource> firefoxProfileFiles(const QString& file, FormId form)
{
    std::vector<DiscoveredSource> found;
    for (const FirefoxProfile& profile : firefoxProfiles()) {
        const QString path = profile.folder + u'/' + file;
        if (FileExists(path))
            found.push_back({QStringLiteral("Firefox"), profile.name, form, path});
    }
    return found;
}

} // namespace orvalink
