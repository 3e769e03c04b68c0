// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hover_capture.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVariant>

namespace orvalink {

namespace {

// Marks a control as watched by one capture object, so it is never watched twice.
const char* const kWatchedBy = "orvalink.hoverCapture";

// The control's rectangle, its right and bottom edge included.
bool isInside(const QWidget& control, QPoint position)
{
    return position.x() >= 0 && position.y() >= 0 && position.x() <= control.width() &&
           position.y() <= control.height();
}

} // namespace

cCaptureTheMouse::cCaptureTheMouse(QObject* parent)
    : QObject(parent)
{}

cCaptureTheMouse::~cCaptureTheMouse()
{
    Release();
}

void cCaptureTheMouse::watch(QWidget* control)
{
    if (!control)
        return;
    const auto watcher = control->property(kWatchedBy).value<QObject*>();
    if (watcher == this)
        return;
    control->setProperty(kWatchedBy, QVariant::fromValue<QObject*>(this));
    // Moves are needed to notice the pointer on the control without a button held.
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void cCaptureTheMouse::watchTagged(QWidget& window)
{
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!tagOf(control).isEmpty())
            watch(control);
    }
}

void cCaptureTheMouse::Init(QWidget* control, QPoint position)
{
    // A control without a window or size ends the call quietly.
    if (!control)
        return;
    m_ctrlX = control;
    m_position = position;
    if (m_captured != control) {
        // The pointer went straight from one control to another: the first is left first.
        Release();
        m_captured = control;
        emit MouseEnter(control);
        return;
    }
    if (!isInside(*control, position))
        Release();
}

void cCaptureTheMouse::Release()
{
    if (m_captured.isNull()) {
        m_captured = nullptr;
        return;
    }
    QWidget* control = m_captured;
    m_captured = nullptr;
    emit MouseExit(control);
}

QString cCaptureTheMouse::tagOf(const QWidget* control)
{
    return control ? control->property("Tag").toString() : QString();
}

void cCaptureTheMouse::showTagsIn(QStatusBar* statusBar)
{
    connect(this, &cCaptureTheMouse::MouseEnter, statusBar, [statusBar](QWidget* control) {
        const QString tag = tagOf(control);
        if (!tag.isEmpty())
            statusBar->showMessage(tag);
    });
    connect(this, &cCaptureTheMouse::MouseExit, statusBar,
            [statusBar](QWidget*) { statusBar->clearMessage(); });
}

bool cCaptureTheMouse::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        Init(control, static_cast<QEnterEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseMove: {
        // Also reaches a control whose enter event was missed (it appeared under the pointer).
        // A control dragged over with a button held keeps receiving moves from outside: those
        // may end its hover but never start one.
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (m_captured == control || isInside(*control, position))
            Init(control, position);
        break;
    }
    case QEvent::Leave:
    case QEvent::Hide:
        if (m_captured == control)
            Release();
        break;
    default:
        break;
    }
    return false;
}

} // namespace orvalink
