// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"

#include <QList>
#include <QPushButton>

namespace orvalink::test {

// The main window's panel buttons a user sees, by index.
inline QList<int> visibleButtons(const Form1& window)
{
    QList<int> visible;
    for (int index = 0; index < Form1::kButtonCount; ++index) {
        if (window.cmdInizio(index)->isVisibleTo(&window))
            visible.append(index);
    }
    return visible;
}

// The four families' buttons of the first level.
inline const QList<int> kFirstLevel{0, 1, 2, 13};

} // namespace orvalink::test
