// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/combo_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QScreen>
#include <QStylePainter>
#include <QWidget>
#include <algorithm>

namespace orvalink {

QString PathComboBox::shownText() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return fontMetrics().elidedText(option.currentText, Qt::ElideMiddle, textRoom(option));
}

int PathComboBox::textRoom(const QStyleOptionComboBox& option) const
{
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style puts the icon and a small gap before the text.
    const int icon = option.currentIcon.isNull() ? 0 : option.iconSize.width() + 4;
    return std::max(0, field.width() - icon - 2);
}

void PathComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideMiddle, textRoom(option));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void SetComboDropWidth(QComboBox& combo)
{
    qsizetype longest = 0;
    int widest = 0;
    const QFontMetrics metrics(combo.view()->font());
    for (int i = 0; i < combo.count(); ++i) {
        longest = std::max(longest, combo.itemText(i).size());
        widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(i)));
    }
    const int byCharacters = int(std::max<qsizetype>(longest - 2, 0)) * AverageCharWidth(combo);
    const int besideText = combo.iconSize().width() + 2 * combo.view()->frameWidth() +
                           combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                           2 * metrics.averageCharWidth();
    int width = std::max(byCharacters, widest + besideText);
    if (const QScreen* screen = combo.screen())
        width = std::min(width, screen->availableGeometry().width());
    // The drop-down is never narrower than the combo itself, whatever its minimum width.
    combo.view()->setMinimumWidth(width);
    combo.view()->setTextElideMode(Qt::ElideMiddle);
}

int AverageCharWidth(const QWidget& widget)
{
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetrics(widget.font()).horizontalAdvance(kAlphabet) / 52;
}

} // namespace orvalink
