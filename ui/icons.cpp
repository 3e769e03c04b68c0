// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/icons.h"

#include "forms/form_table.h"

#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <utility>

// The drawings are compiled into the GUI library, a static library: its resources must be
// registered by name, or the linker leaves them out.
static void registerIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(orvalink_icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace orvalink {

namespace {

// The hover look's brightness, in percent of the drawing's.
constexpr int kHoverBrightening = 125;
// How much the disabled look keeps of a pixel's opacity, in 256ths.
constexpr int kDisabledOpacity = 110;

// One drawing placed in a part of the icon's square, in fractions of its side.
struct Layer
{
    QString path;
    QRectF place;
};

// Draws one or more of our SVG drawings into a square, in the looks of QIcon's modes: the
// drawing as it is (Normal), brighter in the same colours (Active, Selected), faded grey
// (Disabled).
class LayeredIconEngine : public QIconEngine
{
public:
    explicit LayeredIconEngine(QList<Layer> layers)
        : m_layers(std::move(layers))
    {
        for (const Layer& layer : std::as_const(m_layers))
            m_key += layer.path + QLatin1Char('@') + QString::number(layer.place.x()) +
                     QLatin1Char(',') + QString::number(layer.place.y()) + QLatin1Char(',') +
                     QString::number(layer.place.width()) + QLatin1Char(';');
    }

    QIconEngine* clone() const override { return new LayeredIconEngine(m_layers); }
    QString key() const override { return QStringLiteral("orvalink.layered"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        if (side <= 0)
            return;
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = render(qRound(side * ratio), mode);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(QPointF(rect.x() + (rect.width() - side) / 2.0,
                                    rect.y() + (rect.height() - side) / 2.0),
                            picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        if (size.width() == size.height())
            return render(side, mode);
        QPixmap framed(size);
        framed.fill(Qt::transparent);
        QPainter painter(&framed);
        painter.drawPixmap((size.width() - side) / 2, (size.height() - side) / 2,
                           render(side, mode));
        return framed;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

private:
    QPixmap render(int side, QIcon::Mode mode) const
    {
        const QString cacheKey =
            m_key + QString::number(side) + QLatin1Char('/') + QString::number(int(mode));
        QPixmap cached;
        if (QPixmapCache::find(cacheKey, &cached))
            return cached;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            for (const Layer& layer : m_layers) {
                QSvgRenderer drawing(layer.path);
                drawing.render(&painter,
                               QRectF(layer.place.x() * side, layer.place.y() * side,
                                      layer.place.width() * side, layer.place.height() * side));
            }
        }
        if (mode == QIcon::Active || mode == QIcon::Selected)
            brighten(image);
        if (mode == QIcon::Disabled)
            fade(image);
        const QPixmap picture = QPixmap::fromImage(image);
        QPixmapCache::insert(cacheKey, picture);
        return picture;
    }

    // Brighter in the same colours. Mixing in white would wash the colours out towards the
    // disabled look, and the hovered button would read as the unavailable one.
    static void brighten(QImage& image)
    {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = QColor::fromRgba(line[x]).toHsv();
                const int value = std::min(255, colour.value() * kHoverBrightening / 100);
                line[x] =
                    QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation(), value, colour.alpha())
                        .rgba();
            }
        }
    }

    // Grey, lighter and partly transparent, so it reads as unavailable on light and dark
    // backgrounds alike.
    static void fade(QImage& image)
    {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = line[x];
                const int grey = 96 + qGray(pixel) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * kDisabledOpacity / 256);
            }
        }
    }

    QList<Layer> m_layers;
    QString m_key;
};

QIcon layeredIcon(QList<Layer> layers)
{
    registerIconResources();
    return QIcon(new LayeredIconEngine(std::move(layers)));
}

QIcon drawing(const QString& name)
{
    return layeredIcon({{iconPath(name), QRectF(0, 0, 1, 1)}});
}

QString formName(FormId form)
{
    return formOf(form).iconName();
}

} // namespace

QString iconPath(const QString& name)
{
    registerIconResources();
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QIcon applicationIcon()
{
    return drawing(QStringLiteral("orvalink"));
}

QIcon formIcon(FormId form)
{
    return drawing(formName(form));
}

QIcon conversionIcon(FormId from, FormId to)
{
    // The source large at the upper left, the destination at the lower right, and the arrow
    // between them over the free corner.
    return layeredIcon({
        {iconPath(formName(from)), QRectF(0.0, 0.0, 0.66, 0.66)},
        {iconPath(formName(to)), QRectF(0.42, 0.42, 0.58, 0.58)},
        {iconPath(QStringLiteral("conversion_arrow")), QRectF(0.54, 0.02, 0.44, 0.44)},
    });
}

QIcon conversionIcon(ExportMode mode)
{
    const Conversion* conversion = conversionOf(mode);
    return conversion ? conversionIcon(conversion->source, conversion->destination) : QIcon();
}

QIcon backIcon()
{
    return drawing(QStringLiteral("back"));
}

namespace {

// The drawing prefix + the form's name; a form without drawings of its own for its folders and
// links shows the bookmark file's, which are a browser's plain ones.
QIcon partIcon(const QString& prefix, FormId form)
{
    const QString own = prefix + formName(form);
    return drawing(QFile::exists(iconPath(own)) ? own : prefix + formName(FormId::BookmarkFile));
}

} // namespace

QIcon folderIcon(FormId form, bool open)
{
    return partIcon(open ? QStringLiteral("folder_open_") : QStringLiteral("folder_"), form);
}

QIcon linkIcon(FormId form)
{
    return partIcon(QStringLiteral("link_"), form);
}

QIcon rootIcon(FormId form, bool open)
{
    const QString own = formName(form) + QStringLiteral("_root");
    return QFile::exists(iconPath(own)) ? drawing(own) : folderIcon(form, open);
}

QIcon sortIcon(Qt::SortOrder order)
{
    return drawing(order == Qt::AscendingOrder ? QStringLiteral("sort_ascending")
                                               : QStringLiteral("sort_descending"));
}

} // namespace orvalink
