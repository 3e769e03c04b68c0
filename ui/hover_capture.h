// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QStatusBar;

namespace orvalink {

// Tells a window when the pointer enters and leaves one of its controls, so that the window can
// show the control's help text in its status bar while the pointer is over it.
//
// A window keeps one object (conventionally named cat), lets it watch the controls that have a
// help text, and handles MouseEnter and MouseExit. Only one control counts as hovered at a
// time: moving straight from one control to another raises MouseExit for the first before
// MouseEnter for the second. Release() ends the current hover (the main window calls it after a
// button click, every window as it closes); destroying the object does the same.
//
// The help text of a control is its "Tag" property (QObject dynamic property, a QString); see
// tagOf() and showTagsIn(). Windows give their controls a Tag rather than reuse the tool tip,
// which often holds something else (a combo box's tool tip is the chosen path).
class cCaptureTheMouse : public QObject
{
    Q_OBJECT

public:
    explicit cCaptureTheMouse(QObject* parent = nullptr);
    ~cCaptureTheMouse() override;

    // Watches control: the pointer entering and moving over it hovers it, leaving it ends the
    // hover. Watching a control twice changes nothing.
    void watch(QWidget* control);
    // Watches every descendant of window that has a non-empty "Tag", as it is now.
    void watchTagged(QWidget& window);

    // The pointer is at position (the control's own coordinates) over control: control becomes
    // the hovered control, or, when it is already, stops being it once position lies outside
    // its rectangle. A position on the right or bottom edge (x == width, y == height) still
    // counts as inside. The watched controls' mouse events arrive here; windows may call it too.
    void Init(QWidget* control, QPoint position);
    // Ends the current hover, if any, raising MouseExit.
    void Release();

    // The control passed to the last Init(), and the position with it.
    QWidget* ctrlX() const { return m_ctrlX; }
    int x() const { return m_position.x(); }
    int y() const { return m_position.y(); }
    // The control hovered now; null when none.
    QWidget* captured() const { return m_captured; }

    // The help text of control: its "Tag" property, "" when it has none.
    static QString tagOf(const QWidget* control);
    // The usual handlers of an export window: on MouseEnter the control's tag, when not empty,
    // becomes the status bar's text; on MouseExit the text is cleared.
    void showTagsIn(QStatusBar* statusBar);

signals:
    void MouseEnter(QWidget* control);
    void MouseExit(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_ctrlX;
    QPoint m_position;
    QPointer<QWidget> m_captured;
};

} // namespace orvalink
