#include "selection/selection_images.h"

#include "model/bookmark_tables.h"
#include "ui/icons.h"

namespace orvalink {

SelectionImages::SelectionImages(SourceKind kind)
    : m_kind(kind)
    , m_folderClosed(folderIcon(kind, false))
    , m_folderOpen(folderIcon(kind, true))
    , m_favoritesRoot(favoritesRootIcon())
    , m_link(linkIcon(kind))
    , m_sortAscending(sortIcon(Qt::AscendingOrder))
    , m_sortDescending(sortIcon(Qt::DescendingOrder))
{}

const QIcon& SelectionImages::root(bool open) const
{
    return m_kind == SourceKind::Favorites ? m_favoritesRoot : folder(open);
}

const QIcon& SelectionImages::entry(int iconIndex) const
{
    switch (iconIndex) {
    case IconIndex::FavoritesFolder:
    case IconIndex::BookmarkFileFolder:
    case IconIndex::HotlistFolder:
        return m_folderClosed;
    default:
        // Every link shows its source's link image: a Favorites link has no shell icon of its
        // own on this platform, so it takes the default one.
        return m_link;
    }
}

} // namespace orvalink
