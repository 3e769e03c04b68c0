// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace orvalink {

// Where the Chromium family's browsers keep their user data (the "Local State" that lists the
// profiles, and a folder per profile), each with the browser's name as users know it. Every path
// uses "/" and nothing here checks that it exists.
struct ChromiumUserData
{
    // "Chromium", "Google Chrome", "Microsoft Edge", ...
    QString browser;
    QString folder;
    // Opera keeps its one profile in the user-data folder itself.
    bool folderIsProfile = false;
    // A flatpak install: its processes run in a process namespace of their own, so the process
    // number in its profile lock means nothing outside it.
    bool sandboxed = false;
};

// The user-data folders of this system, in the order they are searched. On Linux below
// $CHROME_CONFIG_HOME, then $XDG_CONFIG_HOME (default ~/.config), then the snap and flatpak homes;
// on Windows below the local application data folder (Opera: the roaming one); on macOS below
// ~/Library/Application Support. The home folder is taken from $HOME.
QList<ChromiumUserData> chromiumUserDataFolders();

} // namespace orvalink
