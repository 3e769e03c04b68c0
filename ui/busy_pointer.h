// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace orvalink {

// Shows a pointer for as long as the object lives (the busy pointer during long work) and puts
// the previous one back when it goes. Objects nest: each restores what it found.
class cMouse
{
public:
    cMouse() = default;
    cMouse(const cMouse&) = delete;
    cMouse& operator=(const cMouse&) = delete;
    ~cMouse()
    {
        for (; m_set > 0; --m_set)
            QGuiApplication::restoreOverrideCursor();
    }

    // The first call remembers the pointer shown before; every call shows shape.
    void SetPointer(Qt::CursorShape shape)
    {
        if (m_set == 0) {
            QGuiApplication::setOverrideCursor(QCursor(shape));
            ++m_set;
        } else {
            QGuiApplication::changeOverrideCursor(QCursor(shape));
        }
    }

private:
    int m_set = 0;
};

} // namespace orvalink
