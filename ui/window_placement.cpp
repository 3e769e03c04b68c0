#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orvalink {

namespace {

const QString kPosition = QStringLiteral("Position");

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
    window.move(keptOnScreen(area, window.frameGeometry().size(), wanted));
}

void LoadWindowPosition(int windowIndex, QWidget& window, SettingsReader& reader)
{
    const QRect screen = screenAreaOf(window);
    QString leftKey = QStringLiteral("SecLeft");
    QString topKey = QStringLiteral("SecTop");
    int defaultLeft = toTwips(screen.left()) + roundedShare(toTwips(screen.width()), 5);
    int defaultTop = toTwips(screen.top()) + roundedShare(toTwips(screen.height()), 5);
    if (windowIndex == 1) {
        leftKey = QStringLiteral("MainLeft");
        topKey = QStringLiteral("MainTop");
        defaultLeft = toTwips(screen.left()) + roundedShare(toTwips(screen.width()), 3);
        defaultTop = toTwips(screen.top()) + roundedShare(toTwips(screen.height()), 3);
    } else if (windowIndex == 3) {
        leftKey = QStringLiteral("ThiLeft");
        topKey = QStringLiteral("ThiTop");
        defaultLeft = toTwips(50);
        defaultTop = toTwips(100);
        QSize size = window.size();
        if (const auto width = reader.integer(kPosition, QStringLiteral("ThiWidth"), toTwips(700)))
            size.setWidth(toPixels(*width));
        if (const auto height =
                reader.integer(kPosition, QStringLiteral("ThiHeight"), toTwips(400)))
            size.setHeight(toPixels(*height));
        window.resize(size);
    }
    const QPoint current = window.frameGeometry().topLeft();
    const int left = reader.integer(kPosition, leftKey, defaultLeft).value_or(toTwips(current.x()));
    const int top = reader.integer(kPosition, topKey, defaultTop).value_or(toTwips(current.y()));
    PlaceWindow(window, left, top);
}

void SaveWindowPosition(int windowIndex, const QWidget& window, SettingsWriter& writer)
{
    QPoint position = window.frameGeometry().topLeft();
    QSize size = window.size();
    if (window.isMaximized() || window.isMinimized() || window.isFullScreen()) {
        // The place the window goes back to, not the whole screen or the task bar.
        const QPoint frameOffset = window.geometry().topLeft() - position;
        position = window.normalGeometry().topLeft() - frameOffset;
        size = window.normalGeometry().size();
    }
    QString leftKey = QStringLiteral("SecLeft");
    QString topKey = QStringLiteral("SecTop");
    if (windowIndex == 1) {
        leftKey = QStringLiteral("MainLeft");
        topKey = QStringLiteral("MainTop");
    } else if (windowIndex == 3) {
        leftKey = QStringLiteral("ThiLeft");
        topKey = QStringLiteral("ThiTop");
        writer.integer(kPosition, QStringLiteral("ThiWidth"), toTwips(size.width()));
        writer.integer(kPosition, QStringLiteral("ThiHeight"), toTwips(size.height()));
    }
    writer.integer(kPosition, leftKey, toTwips(position.x()));
    writer.integer(kPosition, topKey, toTwips(position.y()));
}

} // namespace orvalink
