// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/visible_checks.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace orvalink {

namespace {

// The outline's opacity out of 255: clear against the background, softer than the text.
constexpr int kOutlineAlpha = 170;

class VisibleChecksStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool dark = option->palette.color(QPalette::Base).lightness() < 128;
        if (element != PE_IndicatorItemViewItemCheck || !dark)
            return;
        QColor outline = option->palette.color(QPalette::Text);
        outline.setAlpha(kOutlineAlpha);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(outline);
        painter->setBrush(Qt::NoBrush);
        // The primitive's rectangle is the box itself.
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void ShowChecksClearly(QAbstractItemView* view)
{
    // Without a base style the proxy follows the application's, which it does not own.
    auto* style = new VisibleChecksStyle;
    style->setParent(view);
    view->setStyle(style);
}

} // namespace orvalink
