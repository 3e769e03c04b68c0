// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/themed_button.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace orvalink {

namespace {

const char* const kThemed = "orvalink.themedButton";
// Set while the pointer is over the button, as the enter and leave events say.
const char* const kHot = "Hot";
// Space under the caption, in pixels.
constexpr int kCaptionBottomMargin = 5;
// Space between the caption and the button's sides.
constexpr int kCaptionSideMargin = 3;

bool isHot(const QAbstractButton& button)
{
    return button.property(kHot).toBool();
}

void setHot(QAbstractButton& button, bool hot)
{
    if (isHot(button) == hot)
        return;
    button.setProperty(kHot, hot ? QVariant(true) : QVariant());
    button.update();
}

void paintButton(QAbstractButton& button)
{
    const ButtonLook look = buttonLook(button);
    const QRect client = button.rect();
    QPainter painter(&button);
    // The bevel's rounded corners show the window behind the button.
    painter.fillRect(client, button.palette().color(QPalette::Window));

    QStyleOptionButton option;
    option.initFrom(&button);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken |
                      QStyle::State_On | QStyle::State_Raised);
    option.features = QStyleOptionButton::None;
    switch (look) {
    case ButtonLook::Hot:
        option.state |= QStyle::State_MouseOver | QStyle::State_Raised;
        break;
    case ButtonLook::Pressed:
        option.state |= QStyle::State_Sunken;
        if (button.isChecked())
            option.state |= QStyle::State_On;
        break;
    case ButtonLook::Default:
        option.state |= QStyle::State_Raised;
        option.features |=
            QStyleOptionButton::DefaultButton | QStyleOptionButton::AutoDefaultButton;
        break;
    case ButtonLook::Normal:
        option.state |= QStyle::State_Raised;
        break;
    case ButtonLook::Disabled:
        break;
    }
    QStyle* style = button.style();
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);

    // The caption: in a band along the bottom below a picture, else centred.
    const QIcon icon = button.icon();
    const bool hasPicture = !icon.isNull() && button.iconSize().isValid();
    int pictureAreaHeight = client.height();
    const QString caption = button.text();
    if (!caption.isEmpty()) {
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
        const QRect width = client.adjusted(kCaptionSideMargin, 0, -kCaptionSideMargin, 0);
        const int textHeight =
            button.fontMetrics()
                .boundingRect(QRect(width.left(), 0, width.width(), 10000), flags, caption)
                .height();
        const int top = hasPicture ? client.height() - textHeight - kCaptionBottomMargin
                                   : int(std::lround((client.height() - textHeight) / 2.0));
        if (hasPicture)
            pictureAreaHeight = top;
        const QRect band(width.left(), top, width.width(), client.height() - top);
        style->drawItemText(&painter, band, flags, option.palette, look != ButtonLook::Disabled,
                            caption, QPalette::ButtonText);
    }

    // The picture, centred in what the caption leaves free.
    if (hasPicture) {
        QIcon::Mode mode = QIcon::Normal;
        if (look == ButtonLook::Disabled)
            mode = QIcon::Disabled;
        else if (look == ButtonLook::Hot || look == ButtonLook::Pressed)
            mode = QIcon::Active;
        const QIcon::State state = button.isChecked() ? QIcon::On : QIcon::Off;
        const QSize size = button.iconSize();
        const QRect target(int(std::lround((client.width() - size.width()) / 2.0)),
                           int(std::lround((pictureAreaHeight - size.height()) / 2.0)),
                           size.width(), size.height());
        icon.paint(&painter, target, Qt::AlignCenter, mode, state);
    }
}

// Paints its button and follows the pointer; owned by the button.
class ButtonThemer : public QObject
{
public:
    explicit ButtonThemer(QAbstractButton* button)
        : QObject(button)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = static_cast<QAbstractButton*>(watched);
        switch (event->type()) {
        case QEvent::Paint:
            paintButton(*button);
            return true;
        case QEvent::Enter:
            setHot(*button, true);
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            setHot(*button, false);
            break;
        case QEvent::EnabledChange:
            // The pointer may have left while the button took no events.
            if (!button->underMouse())
                setHot(*button, false);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void ApplyButtonTheme(QAbstractButton* button)
{
    if (!button || isButtonThemed(*button))
        return;
    button->setProperty(kThemed, true);
    button->installEventFilter(new ButtonThemer(button));
    button->update();
}

bool isButtonThemed(const QAbstractButton& button)
{
    return button.property(kThemed).toBool();
}

ButtonLook buttonLook(const QAbstractButton& button)
{
    const bool pushed = button.isDown();
    if (!button.isEnabled())
        return ButtonLook::Disabled;
    if (isHot(button) && !pushed)
        return ButtonLook::Hot;
    if (button.isChecked() || pushed)
        return ButtonLook::Pressed;
    if (button.hasFocus())
        return ButtonLook::Default;
    return ButtonLook::Normal;
}

} // namespace orvalink
