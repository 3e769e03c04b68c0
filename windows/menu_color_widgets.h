// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/menu_options.h"

#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <array>

namespace orvalink {

// A menu colour as Qt draws it, and back.
inline QColor toQColor(MenuColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline MenuColor toMenuColor(const QColor& color)
{
    return MenuColor(color.red()) | MenuColor(color.green()) << 8 | MenuColor(color.blue()) << 16;
}

// A colour box ("picColor(n)"): a swatch of one menu colour that asks for another when clicked
// (or activated from the keyboard, as it takes the focus like a button).
class ColorBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColorBox(QWidget* parent = nullptr);

    MenuColor color() const { return m_color; }
    void setColor(MenuColor color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MenuColor m_color = 0;
};

// One label of the preview, telling the preview where the pointer is and which button let go
// over it.
class PreviewLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void entered();
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The menu item preview ("fraPreview"): a piece of page ("lblSfondo") with the menu bar
// across its top ("lblMenuBar") and one menu item ("lblPreview(1)", reading "Orvalink") framed
// by its border ("lblPreview(0)"). It shows the item as it looks with the pointer away from it,
// or, while the pointer rests on the item, as it looks under the pointer.
//
// Clicks pick the colour of what was clicked: on the item, the left button its background
// under the pointer and the right button its background, with Shift the text colours instead;
// on the border the left button the border under the pointer, any other the border; on the bar
// and on the page their colours.
class MenuPreview : public QGroupBox
{
    Q_OBJECT

public:
    explicit MenuPreview(QWidget* parent = nullptr);

    // Shows colors; mouseOver: as under the pointer.
    void draw(const MenuColors& colors, bool mouseOver);
    void draw(const MenuColors& colors) { draw(colors, m_mouseOver); }
    bool isMouseOver() const { return m_mouseOver; }

    // The slot a click picks, or -1 for none.
    static int slotForItemClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    static int slotForBorderClick(Qt::MouseButton button);

signals:
    // The user clicked a part of the preview whose colour is that slot.
    void colorClicked(int slot);
    // The pointer moved to a part with this status text ("" for none).
    void statusText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setMouseOver(bool mouseOver, const QString& status);
    void layOut();

    PreviewLabel* m_page;
    PreviewLabel* m_bar;
    PreviewLabel* m_border;
    PreviewLabel* m_item;
    MenuColors m_colors = kDefaultMenuColors;
    bool m_mouseOver = false;
};

} // namespace orvalink
