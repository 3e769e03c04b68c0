// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/menu_color_widgets.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

namespace orvalink {

namespace {

const char* const kMouseOutStatus =
    QT_TRANSLATE_NOOP("orvalink::MenuPreview", "Preview of the Menuitems on the Mouseout Status");
const char* const kMouseOverStatus =
    QT_TRANSLATE_NOOP("orvalink::MenuPreview", "Preview of the Menuitems on the Mouseover Status");

// The preview's geometry in pixels: the bar across the page's top, the item below it where a
// submenu would open.
constexpr int kBarHeight = 18;
constexpr int kItemLeft = 24;
constexpr int kItemGap = 10;
constexpr int kItemWidth = 150;
constexpr int kItemHeight = 22;
constexpr int kPageMinimumHeight = kBarHeight + kItemGap + kItemHeight + 16;

void fill(QWidget& widget, QPalette::ColorRole role, MenuColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(color));
    widget.setPalette(palette);
}

} // namespace

ColorBox::ColorBox(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ColorBox::setColor(MenuColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

QSize ColorBox::sizeHint() const
{
    const int side = fontMetrics().height() + 10;
    return QSize(side * 2, side);
}

void ColorBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF swatch = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // The outline stands out from the swatch and from the window in light and dark themes.
    QColor outline = palette().color(QPalette::Mid);
    if (underMouse() || isDown())
        outline = palette().color(QPalette::Highlight);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(toQColor(m_color));
    painter.drawRoundedRect(swatch, 3, 3);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        option.backgroundColor = toQColor(m_color);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PreviewLabel::enterEvent(QEnterEvent* event)
{
    emit entered();
    QLabel::enterEvent(event);
}

void PreviewLabel::mouseMoveEvent(QMouseEvent* event)
{
    // Taken here: passed on, the move would reach the labels below, whose look is another.
    event->accept();
    emit entered();
}

void PreviewLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken, so that the release comes here too.
    event->accept();
}

void PreviewLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit released(event->button(), event->modifiers());
}

MenuPreview::MenuPreview(QWidget* parent)
    : QGroupBox(tr("MenuItem Preview:"), parent)
    , m_page(new PreviewLabel(this))
    , m_bar(new PreviewLabel(m_page))
    , m_border(new PreviewLabel(m_page))
    , m_item(new PreviewLabel(QStringLiteral("Orvalink"), m_border))
{
    setObjectName(QStringLiteral("fraPreview"));
    setMouseTracking(true);
    m_page->setObjectName(QStringLiteral("lblSfondo"));
    m_bar->setObjectName(QStringLiteral("lblMenuBar"));
    m_border->setObjectName(QStringLiteral("lblPreview(0)"));
    m_item->setObjectName(QStringLiteral("lblPreview(1)"));
    m_page->setToolTip(tr("Click to set the background color"));
    m_bar->setToolTip(tr("Click to set the menu bar color"));
    m_border->setToolTip(tr("Click to set the border color"));
    m_item->setToolTip(tr("Click to set the background color (Use SHIFT to set the text color)"));
    for (PreviewLabel* label : {m_page, m_bar, m_border, m_item}) {
        label->setAutoFillBackground(true);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
    }
    // The page's own item font: 12 pixels of Verdana or its nearest relative.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(12);
    m_item->setFont(font);
    m_item->setIndent(6);
    m_item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_page->setMinimumHeight(kPageMinimumHeight);
    m_page->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);

    connect(m_page, &PreviewLabel::entered, this,
            [this] { setMouseOver(false, tr(kMouseOutStatus)); });
    connect(m_bar, &PreviewLabel::entered, this,
            [this] { setMouseOver(false, tr(kMouseOutStatus)); });
    connect(m_border, &PreviewLabel::entered, this,
            [this] { setMouseOver(true, tr(kMouseOverStatus)); });
    connect(m_item, &PreviewLabel::entered, this,
            [this] { setMouseOver(true, tr(kMouseOverStatus)); });
    connect(m_page, &PreviewLabel::released, this,
            [this] { emit colorClicked(PageBackgroundColor); });
    connect(m_bar, &PreviewLabel::released, this, [this] { emit colorClicked(MenuBarColor); });
    connect(m_border, &PreviewLabel::released, this, [this](Qt::MouseButton button) {
        if (const int slot = slotForBorderClick(button); slot >= 0)
            emit colorClicked(slot);
    });
    connect(m_item, &PreviewLabel::released, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                if (const int slot = slotForItemClick(button, modifiers); slot >= 0)
                    emit colorClicked(slot);
            });
    draw(kDefaultMenuColors, false);
}

int MenuPreview::slotForItemClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    // Only the plain and the Shift clicks of the two main buttons pick a colour.
    const bool shift = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && !shift)
        return -1;
    if (button == Qt::LeftButton)
        return shift ? ItemTextOverColor : ItemBackgroundOverColor;
    if (button == Qt::RightButton)
        return shift ? ItemTextColor : ItemBackgroundColor;
    return -1;
}

int MenuPreview::slotForBorderClick(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? ItemBorderOverColor : ItemBorderColor;
}

void MenuPreview::draw(const MenuColors& colors, bool mouseOver)
{
    m_colors = colors;
    m_mouseOver = mouseOver;
    fill(*m_page, QPalette::Window, colors[PageBackgroundColor]);
    fill(*m_bar, QPalette::Window, colors[MenuBarColor]);
    fill(*m_border, QPalette::Window, colors[mouseOver ? ItemBorderOverColor : ItemBorderColor]);
    fill(*m_item, QPalette::Window,
         colors[mouseOver ? ItemBackgroundOverColor : ItemBackgroundColor]);
    fill(*m_item, QPalette::WindowText, colors[mouseOver ? ItemTextOverColor : ItemTextColor]);
}

void MenuPreview::setMouseOver(bool mouseOver, const QString& status)
{
    if (mouseOver != m_mouseOver)
        draw(m_colors, mouseOver);
    emit statusText(status);
}

void MenuPreview::enterEvent(QEnterEvent* event)
{
    setMouseOver(false, QString());
    QGroupBox::enterEvent(event);
}

void MenuPreview::mouseMoveEvent(QMouseEvent* event)
{
    setMouseOver(false, QString());
    QGroupBox::mouseMoveEvent(event);
}

void MenuPreview::leaveEvent(QEvent* event)
{
    // The pointer has left the preview without crossing the page (a quick move): the item no
    // longer looks hovered.
    if (m_mouseOver)
        draw(m_colors, false);
    QGroupBox::leaveEvent(event);
}

bool MenuPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_page && event->type() == QEvent::Resize)
        layOut();
    return QGroupBox::eventFilter(watched, event);
}

void MenuPreview::layOut()
{
    m_bar->setGeometry(0, 0, m_page->width(), kBarHeight);
    const int width = std::min(kItemWidth, std::max(40, m_page->width() - 2 * kItemLeft));
    m_border->setGeometry(kItemLeft, kBarHeight + kItemGap, width, kItemHeight);
    // The border shows one pixel on each side of the item.
    m_item->setGeometry(1, 1, width - 2, kItemHeight - 2);
}

} // namespace orvalink
