// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

namespace orvalink {

// Makes the unchecked check boxes of an item view stand out in a dark colour scheme: the
// platform style draws them in shades of the dark background, where they all but vanish. The
// view's own style otherwise stays in charge.
void ShowChecksClearly(QAbstractItemView* view);

} // namespace orvalink
