// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QWidget;

namespace orvalink {

// Widens the drop-down list of combo so that its longest item can be read in full: at least
// (longest item's length in characters - 2) x AverageCharWidth(combo) pixels, and never narrower
// than the combo itself. Called after a location list is filled or changed.
void SetComboDropWidth(QComboBox& combo);

// The average character width in pixels of the widget's font: the width of "A".."Z" "a".."z"
// divided by 52, truncated.
int AverageCharWidth(const QWidget& widget);

} // namespace orvalink
