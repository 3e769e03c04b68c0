// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"

#include <QString>
#include <QStringList>

namespace orvalink {

class SettingsReader;
class SettingsWriter;

// The locations the export windows remember for each storage form, in section "Settings" of the
// program's options: the Favorites folder ("FavLocation"), and the five most recent bookmark
// files ("0NNLocation" to "4NNLocation"), hotlists ("0OperaHotlist"...), Chromium `Bookmarks` files
// ("0ChromiumLocation"...) and menu pages ("0MenuLocation"...), index 0 the most recent. An export
// window keeps those of its conversion's two forms.

// A form's locations as saved, those still usable, most recent first: a Favorites folder that
// exists, a bookmark file or hotlist that exists, a menu page whose file or folder exists.
struct SavedLocations
{
    QStringList entries;
    // Whether the first entry is the most recent one saved: a window then takes it up.
    bool newestKept = false;
};

SavedLocations LoadLocations(SettingsReader& reader, FormId form);
// Saves a form's locations, most recent first (a location list's entries after its
// placeholder). Every entry is written, but only five are read back, and a menu page keeps only
// five; keys of a shorter history are cleared. Hotlists and Chromium files that discovery found
// ("<Opera> path", "<Chromium: Person 1> path") are left out: discovery finds them again.
void SaveLocations(SettingsWriter& writer, FormId form, const QStringList& entries);

// The file of a location entry. A bookmark file discovery found reads "<profile> path": the path
// starts two characters after the last ">". Any other entry is the path itself.
QString LocationEntryPath(const QString& entry);

} // namespace orvalink
