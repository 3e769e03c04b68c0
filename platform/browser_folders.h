// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace orvalink {

// Where this system's browsers keep the files the discovery reads. Every path uses "/" and
// nothing here checks that it exists: a missing folder or file simply yields nothing later.
//
// The home folder is taken from $HOME, so that a test or a sandbox can move it.

// The folders that may hold a Firefox profiles.ini, each ending in "/", in the order they are
// searched. On Linux a user may have several Firefox installs, each with its own list: the classic
// ~/.mozilla/firefox/, then $XDG_CONFIG_HOME/mozilla/firefox/ (default ~/.config/...; recent
// Firefox), the snap install and the flatpak's two (classic, then its XDG folder). On Windows the
// roaming application data folder + "Mozilla/Firefox/"; on macOS ~/Library/Application
// Support/Firefox/.
QStringList firefoxFolders();

// Opera's settings files that may name the hotlist, in order of preference: the first that exists
// is the one Opera uses. On Linux ~/.opera/operaprefs.ini (Opera 10 on) before opera6.ini, which
// an Opera upgraded to 10 leaves behind; on macOS the same names in ~/Library/Opera/. On Windows
// the folder Opera last ran from (registry value "Last Directory3" of the current user's
// "Software\Opera Software") + "profile/opera6.ini", then the per-user copy below the application
// data folder (see operaPerUserFolderName()).
QStringList operaSettingsFiles();

// The section and key of Opera's settings file that hold the hotlist's full path.
inline constexpr QStringView kOperaPrefsSection = u"User Prefs";
inline constexpr QStringView kOperaHotlistKey = u"Hot List File Ver2";

// The folder below "<application data>/Opera/" where a per-user Windows Opera keeps its profile,
// named after the folder Opera runs from (as the registry spells it, with "\"): the name after its
// last "\" that is not its last character ("C:\Program Files\Opera" gives "Opera", and a trailing
// "\" stays part of the name), "Opera\" when there is no such "\", and "" for an empty folder.
QString operaPerUserFolderName(const QString& operaFolder);

} // namespace orvalink
