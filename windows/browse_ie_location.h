// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace orvalink {

class Dialogs;
class ExportWindow;

// Lets the user pick the Favorites folder for window: the folder picker over the whole computer,
// prompt "Please, Select a Folder.", starting at the job's IELocation. A folder other than
// IELocation becomes IELocation and the text of the window's "txtIELoc" (whose change handler
// counts the new source). Returns whether the folder changed.
bool BrowseIELocation(ExportWindow& window);

// The user's Favorites folder, as "Auto" finds it. When this machine has none, the user is told
// ("Unable to Autolocate IE Folder": "Unable to AutoLocate the Internet Explorer Favorites
// Folder." / "Please Insert It Manually.", exclamation) and "" comes back.
QString LocateFavoritesFolder(QWidget* window, Dialogs& dialogs);

} // namespace orvalink
