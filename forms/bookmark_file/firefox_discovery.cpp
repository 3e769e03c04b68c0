#include "forms/bookmark_file/firefox_discovery.h"

#include "forms/browser_discovery.h"
#include "platform/browser_folders.h"
#include "platform/file_helpers.h"
#include "settings/csetting.h"

namespace orvalink {

namespace {

// Adds the bookmark files of the profiles listed in folder + "profiles.ini". A store that fails
// to read ends the search of this list; what was added before stays.
int addFirefoxProfiles(QStringList& entries, const QString& folder)
{
    const QString profilesIni = folder + QStringLiteral("profiles.ini");
    if (!FileExists(profilesIni))
        return 0;
    CSetting store;
    store.Init(profilesIni);
    const Result<QStringList> sections = store.GetSectionNames();
    if (!sections)
        return 0;
    int added = 0;
    for (const QString& section : sections.value()) {
        if (!section.contains(u"profile", Qt::CaseInsensitive))
            continue;
        const Result<QString> name =
            store.GetSettingStr(section, QStringLiteral("Name"), QStringLiteral("NoName"));
        const Result<qint32> isRelative =
            store.GetSettingInt(section, QStringLiteral("IsRelative"));
        const Result<QString> path = store.GetSettingStr(section, QStringLiteral("Path"));
        if (!name || !isRelative || !path)
            break;
        // Firefox writes relative paths with "/", so they join the folder as they are.
        const QString profileFolder =
            isRelative.value() == 1 ? folder + path.value() : path.value();
        const QString candidate = profileFolder + QStringLiteral("/bookmarks.html");
        if (FileExists(candidate) &&
            addDiscovered(entries, u'<' + name.value() + QStringLiteral("> ") + candidate))
            ++added;
    }
    return added;
}

} // namespace

int FindFirefoxBookmarks(QStringList& entries)
{
    int added = 0;
    const QStringList folders = firefoxFolders();
    for (const QString& folder : folders)
        added += addFirefoxProfiles(entries, folder);
    return added;
}

} // namespace orvalink
