#pragma once

#include "model/export_mode.h"

#include <QIcon>
#include <QString>

namespace orvalink {

// The program's pictures: our own SVG drawings (resources/icons/), one visual family, drawn
// sharp at any size and scaling. Every icon here has three looks: QIcon::Normal, QIcon::Active
// (the hover look: the same drawing brighter; also used for Selected) and QIcon::Disabled
// (faded grey), so themed picture buttons (ApplyButtonTheme) get all their looks from one icon.

// Where a conversion goes: the three forms and the cascading menu page.
enum class Destination { Favorites, BookmarkFile, Hotlist, MenuPage };

// The program's own icon (also installed as resources/icons/orvalink.svg).
QIcon applicationIcon();
// The three storage forms: a Favorites folder with a star, a bookmark file page with a ribbon,
// a hotlist card with a list.
QIcon formIcon(SourceKind form);
// The cascading menu page: a page with a menu bar and a cascading submenu.
QIcon menuPageIcon();
// A conversion's button picture: the source form large, an arrow and the destination smaller.
QIcon conversionIcon(SourceKind from, Destination to);
// The picture of a conversion: conversionIcon() of the mode's source and destination.
QIcon conversionIcon(ExportMode mode);
// "Go back": an arrow pointing left.
QIcon backIcon();

// Tree and list images of a source: a folder closed or open, a link, and the Favorites root.
QIcon folderIcon(SourceKind form, bool open = false);
QIcon linkIcon(SourceKind form);
QIcon favoritesRootIcon();
// Column header sort marks: an arrow up for ascending, down for descending.
QIcon sortIcon(Qt::SortOrder order);

// The resource path of one of our drawings, ":/icons/<name>.svg".
QString iconPath(const QString& name);

} // namespace orvalink
