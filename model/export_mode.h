#pragma once

namespace orvalink {

// The conversion of the current job. The numbers are those stored as window indexes in the
// options file, so they must not change.
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
};

// The three storage forms a job can read.
enum class SourceKind { Favorites, BookmarkFile, Hotlist };

constexpr bool SourceIsIE(ExportMode mode)
{
    return mode == ExportMode::IEToFirefox || mode == ExportMode::IEToMenu ||
           mode == ExportMode::IEToOpera;
}

constexpr bool SourceIsFirefox(ExportMode mode)
{
    return mode == ExportMode::FirefoxToIE || mode == ExportMode::FirefoxToMenu ||
           mode == ExportMode::FirefoxToOpera;
}

constexpr bool SourceIsOpera(ExportMode mode)
{
    return mode == ExportMode::OperaToIE || mode == ExportMode::OperaToFirefox ||
           mode == ExportMode::OperaToMenu;
}

constexpr bool DestIsIE(ExportMode mode)
{
    return mode == ExportMode::FirefoxToIE || mode == ExportMode::OperaToIE;
}

constexpr bool DestIsFirefox(ExportMode mode)
{
    return mode == ExportMode::IEToFirefox || mode == ExportMode::OperaToFirefox;
}

constexpr bool DestIsOpera(ExportMode mode)
{
    return mode == ExportMode::IEToOpera || mode == ExportMode::FirefoxToOpera;
}

constexpr bool DestIsMenu(ExportMode mode)
{
    return mode == ExportMode::IEToMenu || mode == ExportMode::FirefoxToMenu ||
           mode == ExportMode::OperaToMenu;
}

// The form a mode reads from; a mode of None reads nothing, and callers must not ask.
constexpr SourceKind sourceKindOf(ExportMode mode)
{
    if (SourceIsIE(mode))
        return SourceKind::Favorites;
    return SourceIsFirefox(mode) ? SourceKind::BookmarkFile : SourceKind::Hotlist;
}

} // namespace orvalink
