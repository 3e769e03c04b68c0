// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"

#include <QIcon>
#include <QString>

namespace orvalink {

// The program's pictures: our own SVG drawings (resources/icons/), one visual family, drawn
// sharp at any size and scaling. Every icon here has three looks: QIcon::Normal, QIcon::Active
// (the hover look: the same drawing brighter; also used for Selected) and QIcon::Disabled
// (faded grey), so themed picture buttons (ApplyButtonTheme) get all their looks from one icon.

// The program's own icon (also installed as resources/icons/orvalink.svg).
QIcon applicationIcon();
// A storage form's picture, drawn as its form names it (StorageForm::iconName()): a Favorites
// folder with a star, a bookmark file page with a ribbon, a hotlist card with a list, the
// cascading menu page with a menu bar and a cascading submenu.
QIcon formIcon(FormId form);
// A conversion's button picture: the source form large, an arrow and the destination smaller.
QIcon conversionIcon(FormId from, FormId to);
// The picture of a conversion: conversionIcon() of the mode's source and destination.
QIcon conversionIcon(ExportMode mode);
// "Go back": an arrow pointing left.
QIcon backIcon();

// Tree and list images of a source: a folder closed or open, a link, and the root folder, which
// has a picture of its own where the form has one ("favorites_root").
QIcon folderIcon(FormId form, bool open = false);
QIcon linkIcon(FormId form);
QIcon rootIcon(FormId form, bool open = false);
// Column header sort marks: an arrow up for ascending, down for descending.
QIcon sortIcon(Qt::SortOrder order);

// The resource path of one of our drawings, ":/icons/<name>.svg".
QString iconPath(const QString& name);

} // namespace orvalink
