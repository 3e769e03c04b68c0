// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QString>

class QWidget;

namespace orvalink {

// A combo box of file paths: a path wider than the box shows its beginning and its end, the
// file's name, with "…" between ("/home/ann/…/places.sqlite"), rather than being cut off.
class PathComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

    // The current text as the box shows it in its width now.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textRoom(const QStyleOptionComboBox& option) const;
};

// Widens the drop-down list of combo so that its longest item can be read in full: as wide as
// that item's text (with its icon and a scroll bar), at least (longest item's length in characters
// - 2) x AverageCharWidth(combo) pixels, never narrower than the combo itself and never wider than
// the screen, where items are shortened in the middle. Called after a location list is filled or
// changed.
void SetComboDropWidth(QComboBox& combo);

// The average character width in pixels of the widget's font: the width of "A".."Z" "a".."z"
// divided by 52, truncated.
int AverageCharWidth(const QWidget& widget);

} // namespace orvalink
