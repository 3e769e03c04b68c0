// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace orvalink {

// The conversion of the current job. The numbers are those stored as window indexes in the
// options file, so they must not change; conversions added later take numbers after 11.
enum class ExportMode : int {
    None = 0,
    IEToFirefox = 2,
    FirefoxToIE = 4,
    IEToMenu = 5,
    FirefoxToMenu = 6,
    IEToOpera = 7,
    FirefoxToOpera = 8,
    OperaToIE = 9,
    OperaToFirefox = 10,
    OperaToMenu = 11,
    IEToChromium = 12,
    FirefoxToChromium = 13,
    OperaToChromium = 14,
    ChromiumToIE = 15,
    ChromiumToFirefox = 16,
    ChromiumToOpera = 17,
    ChromiumToMenu = 18,
};

// The storage forms a conversion reads from and writes to. What each form does is asked of its
// entry in the table of forms (forms/form_table.h). A conversion names the first form of its
// source's family; Firefox's database is read where the source turns out to be one (see
// sourceFormAt()).
enum class FormId {
    Favorites,
    BookmarkFile,
    Hotlist,
    MenuPage,
    FirefoxDatabase,
    Chromium,
};

// One conversion: the mode and the forms it converts from and to.
struct Conversion
{
    ExportMode mode;
    FormId source;
    FormId destination;
};

// Every conversion, in the order the main window offers them.
inline constexpr std::array<Conversion, 16> kConversions{{
    {ExportMode::IEToFirefox, FormId::Favorites, FormId::BookmarkFile},
    {ExportMode::IEToOpera, FormId::Favorites, FormId::Hotlist},
    {ExportMode::IEToChromium, FormId::Favorites, FormId::Chromium},
    {ExportMode::IEToMenu, FormId::Favorites, FormId::MenuPage},
    {ExportMode::FirefoxToIE, FormId::BookmarkFile, FormId::Favorites},
    {ExportMode::FirefoxToOpera, FormId::BookmarkFile, FormId::Hotlist},
    {ExportMode::FirefoxToChromium, FormId::BookmarkFile, FormId::Chromium},
    {ExportMode::FirefoxToMenu, FormId::BookmarkFile, FormId::MenuPage},
    {ExportMode::OperaToIE, FormId::Hotlist, FormId::Favorites},
    {ExportMode::OperaToFirefox, FormId::Hotlist, FormId::BookmarkFile},
    {ExportMode::OperaToChromium, FormId::Hotlist, FormId::Chromium},
    {ExportMode::OperaToMenu, FormId::Hotlist, FormId::MenuPage},
    {ExportMode::ChromiumToIE, FormId::Chromium, FormId::Favorites},
    {ExportMode::ChromiumToFirefox, FormId::Chromium, FormId::BookmarkFile},
    {ExportMode::ChromiumToOpera, FormId::Chromium, FormId::Hotlist},
    {ExportMode::ChromiumToMenu, FormId::Chromium, FormId::MenuPage},
}};

// The conversion of a mode; nullptr for None.
constexpr const Conversion* conversionOf(ExportMode mode)
{
    for (const Conversion& conversion : kConversions) {
        if (conversion.mode == mode)
            return &conversion;
    }
    return nullptr;
}

// The mode converting source to destination; None when there is no such conversion.
constexpr ExportMode modeOf(FormId source, FormId destination)
{
    for (const Conversion& conversion : kConversions) {
        if (conversion.source == source && conversion.destination == destination)
            return conversion.mode;
    }
    return ExportMode::None;
}

constexpr bool sourceIs(ExportMode mode, FormId form)
{
    const Conversion* conversion = conversionOf(mode);
    return conversion && conversion->source == form;
}

constexpr bool destinationIs(ExportMode mode, FormId form)
{
    const Conversion* conversion = conversionOf(mode);
    return conversion && conversion->destination == form;
}

// The names the nine conversions have always had for their forms: IE the Favorites folder,
// Firefox the bookmark file, Opera the hotlist, Menu the cascading menu page.
constexpr bool SourceIsIE(ExportMode mode)
{
    return sourceIs(mode, FormId::Favorites);
}

constexpr bool SourceIsFirefox(ExportMode mode)
{
    return sourceIs(mode, FormId::BookmarkFile);
}

constexpr bool SourceIsOpera(ExportMode mode)
{
    return sourceIs(mode, FormId::Hotlist);
}

constexpr bool DestIsIE(ExportMode mode)
{
    return destinationIs(mode, FormId::Favorites);
}

constexpr bool DestIsFirefox(ExportMode mode)
{
    return destinationIs(mode, FormId::BookmarkFile);
}

constexpr bool DestIsOpera(ExportMode mode)
{
    return destinationIs(mode, FormId::Hotlist);
}

constexpr bool DestIsMenu(ExportMode mode)
{
    return destinationIs(mode, FormId::MenuPage);
}

} // namespace orvalink
