// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace orvalink {

// The name of the program's own options file (without ".ini"). The desktop program and the
// command line share it, so both see the same options.
inline constexpr QStringView kProgramName = u"Orvalink";

// The folders the shell knows by role.
enum class SpecialFolder {
    // The Internet Explorer Favorites folder.
    Favorites,
    // The per-user (roaming) folder where programs keep their settings; browsers keep their
    // profile lists below it.
    ApplicationData,
    // The user's documents.
    Documents,
};

// The folder's path with "/" separators, or "" when this machine has none. On Windows the shell
// answers. Elsewhere: Favorites is ~/Favorites when it exists, else the Favorites folder of the
// default Wine prefix when that exists; ApplicationData is $XDG_CONFIG_HOME or ~/.config
// (~/Library/Application Support on macOS); Documents is Qt's documents location. The home
// folder is taken from $HOME.
QString GetSpecialFolder(SpecialFolder folder);

// The user's Favorites folder, or "" when it cannot be found.
inline QString GetFolderPath()
{
    return GetSpecialFolder(SpecialFolder::Favorites);
}

// The folder that holds the running program file, or "" when it cannot be told.
QString programFolder();

// The folder of the options files. When an Orvalink.ini stands beside the program, the program
// runs portable and keeps every options file there. Otherwise $XDG_CONFIG_HOME/orvalink
// (default ~/.config/orvalink), or on Windows the roaming application data folder + "Orvalink".
// The folder may not exist yet: it is created when the first option is written.
// programFolder "" means the running program's folder.
QString optionsFolder(const QString& programFolder = QString());

} // namespace orvalink
