// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/selection_images.h"

#include "model/bookmark_tables.h"
#include "ui/icons.h"

namespace orvalink {

SelectionImages::SelectionImages(FormId form)
    : m_folderClosed(folderIcon(form, false))
    , m_folderOpen(folderIcon(form, true))
    , m_rootClosed(rootIcon(form, false))
    , m_rootOpen(rootIcon(form, true))
    , m_link(linkIcon(form))
    , m_sortAscending(sortIcon(Qt::AscendingOrder))
    , m_sortDescending(sortIcon(Qt::DescendingOrder))
{}

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
