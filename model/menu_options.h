// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace orvalink {

// A menu colour: 24-bit, red in the low byte, green in the middle byte, blue in the high byte
// (255 is pure red, 16777215 white).
using MenuColor = quint32;

constexpr MenuColor kLargestMenuColor = 0xFFFFFF;

// The eight colours of a menu page, by slot.
enum MenuColorSlot : int {
    ItemTextColor = 0,
    ItemTextOverColor = 1,
    ItemBackgroundColor = 2,
    ItemBackgroundOverColor = 3,
    ItemBorderColor = 4,
    ItemBorderOverColor = 5,
    PageBackgroundColor = 6,
    MenuBarColor = 7,
    MenuColorSlotCount = 8,
};

using MenuColors = std::array<MenuColor, MenuColorSlotCount>;

// The colours of "<Custom>" each time the menu window opens: white on dark blue, orange under
// the pointer, a blue page.
inline constexpr MenuColors kDefaultMenuColors = {16777215, 0, 7091712,  33023,
                                                  0,        0, 13077057, 6960384};

// How a cascading menu page is written, as the menu window's controls (or the command line) say.
// The defaults are those of a first start.
struct MenuPageOptions
{
    MenuColors colors = kDefaultMenuColors;
    // Root items down the left side; otherwise across the top.
    bool vertical = false;
    bool openInNewWindow = true;
    // The link's address in the browser's status line while the pointer rests on it.
    bool showUrl = true;
    bool shadows = true;
    // The paragraph with the date and the counts below the menu bar.
    bool showStatistics = false;
    // Submenus are broken into a chain of menus after this many items (2 to 99, which callers
    // check); no value means no break.
    std::optional<int> breakAfter = 25;
    QString pageTitle = QStringLiteral("Bookmarks By Orvalink");
    // Every folder and link, or only what is checked in the selection.
    bool exportAll = true;
    // Each menu's items in the source's order, rather than its folders and then its links, each
    // sorted by name.
    bool keepOrder = false;
    // The counts the statistics name: the source's totals when exporting everything, the
    // selected counts otherwise.
    int folderCount = 0;
    int linkCount = 0;
    // The date the page names, in the locale's short date format.
    QDate date = QDate::currentDate();
    QLocale locale = QLocale::system();
};

} // namespace orvalink
