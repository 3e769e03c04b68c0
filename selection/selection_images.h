// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"

#include <QIcon>

namespace orvalink {

// The pictures of the selection window for one source, made once: the tree's folder images, the
// entry list's images by IconIndex and the two sort arrows of the list's column headers.
class SelectionImages
{
public:
    explicit SelectionImages(FormId form);

    // A folder node: the open folder marks the tree's current folder.
    const QIcon& folder(bool open) const { return open ? m_folderOpen : m_folderClosed; }
    // The root node of the source, which some forms picture on their own (the Favorites root).
    const QIcon& root(bool open) const { return open ? m_rootOpen : m_rootClosed; }
    // The image of an entry of the list, by its IconIndex.
    const QIcon& entry(int iconIndex) const;
    const QIcon& sortArrow(bool descending) const
    {
        return descending ? m_sortDescending : m_sortAscending;
    }

private:
    QIcon m_folderClosed;
    QIcon m_folderOpen;
    QIcon m_rootClosed;
    QIcon m_rootOpen;
    QIcon m_link;
    QIcon m_sortAscending;
    QIcon m_sortDescending;
};

} // namespace orvalink
