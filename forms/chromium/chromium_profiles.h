#pragma once

#include "platform/processes.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvalink {

// One profile's Bookmarks file found on this machine.
struct ChromiumProfile
{
    // "Chromium", "Google Chrome", ...
    QString browser;
    // The name users see ("Person 1"), from the browser's Local State.
    QString profile;
    QString bookmarks;

    // As the location lists show it: "<Chromium: Person 1>
    // /home/u/.config/chromium/Default/Bookmarks".
    QString entry() const;
};

// The Bookmarks files of every profile of every Chromium-family browser of the current user (see
// chromiumUserDataFolders()): the profiles each browser's "Local State" lists in
// "profile.info_cache", in its order, under the names it gives them; without such a list, the
// "Default" profile. Profiles without a Bookmarks file are left out.
QList<ChromiumProfile> findChromiumProfiles();

// The browser that has the Bookmarks file at path open now, by its name, or nullopt: a process of
// the browser whose user data holds the file runs, or the profile lock of the folder holding the
// file, or of the folder above it, is held (see profileLockOf()), whichever browser uses it.
std::optional<QString> chromiumBrowserUsing(const QString& path, const ProcessTable& processes);

} // namespace orvalink
