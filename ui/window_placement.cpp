// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace orvalink {

namespace {

const QString kPosition = QStringLiteral("Position");

// The keys of a window's position, and the share of the screen it opens at without them. A
// window that keeps its size opens at 50, 100 pixels, 700 by 400, instead.
struct PositionKeys
{
    SavedWindow window;
    QString left;
    QString top;
    int share;
    bool hasSize = false;
    QString width{};
    QString height{};
};

const PositionKeys kPositionKeys[] = {
    {SavedWindow::Main, QStringLiteral("MainLeft"), QStringLiteral("MainTop"), 3},
    {SavedWindow::Selection, QStringLiteral("ThiLeft"), QStringLiteral("ThiTop"), 0, true,
     QStringLiteral("ThiWidth"), QStringLiteral("ThiHeight")},
    {SavedWindow::Export, QStringLiteral("SecLeft"), QStringLiteral("SecTop"), 5},
};

const PositionKeys& positionKeys(SavedWindow window)
{
    const auto* keys =
        std::find_if(std::begin(kPositionKeys), std::end(kPositionKeys),
                     [window](const PositionKeys& row) { return row.window == window; });
    Q_ASSERT(keys != std::end(kPositionKeys));
    return *keys;
}

// The screen area windows are kept on, in logical pixels.
QRect screenArea(const QScreen* screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect screenAreaOf(const QWidget& window)
{
    return screenArea(window.screen());
}

int toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

int toPixels(int twips)
{
    return int(std::lround(twips / double(kTwipsPerPixel)));
}

int roundedShare(int whole, int parts)
{
    return int(std::lround(whole / double(parts)));
}

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                    frame.right() - inside.right(), frame.bottom() - inside.bottom());
}

bool isFramed(const QWidget& window)
{
    return window.isVisible() && window.frameGeometry() != window.geometry();
}

// The frame the window manager puts around window. A window gets its frame only once it is shown,
// and the placement comes before that: counting without it would let the title bar push the
// bottom of the window (its status bar) off the screen. So the frame of a window already framed
// stands in, and without one the style's title bar and border.
QMargins expectedFrame(const QWidget& window)
{
    if (isFramed(window))
        return frameOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (isFramed(*other))
            return frameOf(*other);
    }
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QMargins(border, title + border, border, border);
}

QSize framedSize(const QWidget& window)
{
    return window.size().grownBy(expectedFrame(window));
}

} // namespace

QPoint keptOnScreen(const QRect& screen, const QSize& windowSize, QPoint wanted)
{
    int left = wanted.x();
    int top = wanted.y();
    if (left < screen.left())
        left = screen.left();
    if (left + windowSize.width() > screen.left() + screen.width())
        left = screen.left() + screen.width() - windowSize.width();
    if (top < screen.top())
        top = screen.top();
    if (top + windowSize.height() > screen.top() + screen.height())
        top = screen.top() + screen.height() - windowSize.height();
    return QPoint(left, top);
}

void PlaceWindow(QWidget& window, int leftTwips, int topTwips)
{
    const QPoint wanted(toPixels(leftTwips), toPixels(topTwips));
    // A position saved on another screen of a desktop with several goes back to that screen.
    const QScreen* screen = QGuiApplication::screenAt(wanted);
    const QRect area = screen ? screenArea(screen) : screenAreaOf(window);
    window.move(keptOnScreen(area, framedSize(window), wanted));
}

void KeepOnScreen(QWidget& window)
{
    const QPoint topLeft = window.frameGeometry().topLeft();
    const QPoint kept = keptOnScreen(screenAreaOf(window), framedSize(window), topLeft);
    if (kept != topLeft)
        window.move(kept);
}

void LoadWindowPosition(SavedWindow saved, QWidget& window, SettingsReader& reader)
{
    const PositionKeys& keys = positionKeys(saved);
    int defaultLeft = toTwips(50);
    int defaultTop = toTwips(100);
    if (!keys.hasSize) {
        const QRect screen = screenAreaOf(window);
        defaultLeft = toTwips(screen.left()) + roundedShare(toTwips(screen.width()), keys.share);
        defaultTop = toTwips(screen.top()) + roundedShare(toTwips(screen.height()), keys.share);
    } else {
        QSize size = window.size();
        if (const auto width = reader.integer(kPosition, keys.width, toTwips(700)))
            size.setWidth(toPixels(*width));
        if (const auto height = reader.integer(kPosition, keys.height, toTwips(400)))
            size.setHeight(toPixels(*height));
        window.resize(size);
    }
    const QPoint current = window.frameGeometry().topLeft();
    const int left =
        reader.integer(kPosition, keys.left, defaultLeft).value_or(toTwips(current.x()));
    const int top = reader.integer(kPosition, keys.top, defaultTop).value_or(toTwips(current.y()));
    PlaceWindow(window, left, top);
}

void SaveWindowPosition(SavedWindow saved, const QWidget& window, SettingsWriter& writer)
{
    QPoint position = window.frameGeometry().topLeft();
    QSize size = window.size();
    if (window.isMaximized() || window.isMinimized() || window.isFullScreen()) {
        // The place the window goes back to, not the whole screen or the task bar.
        const QPoint frameOffset = window.geometry().topLeft() - position;
        position = window.normalGeometry().topLeft() - frameOffset;
        size = window.normalGeometry().size();
    }
    const PositionKeys& keys = positionKeys(saved);
    if (keys.hasSize) {
        writer.integer(kPosition, keys.width, toTwips(size.width()));
        writer.integer(kPosition, keys.height, toTwips(size.height()));
    }
    writer.integer(kPosition, keys.left, toTwips(position.x()));
    writer.integer(kPosition, keys.top, toTwips(position.y()));
}

} // namespace orvalink
