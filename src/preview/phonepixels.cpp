#include "preview/phonepixels.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace PhonePixels {

qreal deviceRatioOf(const QPainter &painter)
{
    // The device transform holds the ratio of the device where the pixels
    // land, also when a widget is rendered into an image of another ratio.
    return painter.deviceTransform().m11();
}

void fixRendering(QFont &font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferVerticalHinting);
}

void drawEnlarged(QPainter &painter, const QRect &target, const QImage &band, const QRect &area)
{
    const qreal deviceRatio = deviceRatioOf(painter);
    const qreal ratio = deviceRatio * target.width() / band.width();
    const int whole = qRound(ratio);
    const QRect part = area & band.rect();
    if (part.isEmpty())
        return;
    if (whole < 1 || qAbs(ratio - whole) > 1e-9) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, band);
        painter.restore();
        return;
    }
    // The painter's own scaling rounds its way to uneven blocks at some
    // whole ratios (3, say); copied pixels are exact.
    QImage blocks(part.size() * whole, band.format());
    for (int y = 0; y < blocks.height(); ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(band.constScanLine(part.top() + y / whole)) + part.left();
        auto *to = reinterpret_cast<quint32 *>(blocks.scanLine(y));
        for (int x = 0; x < blocks.width(); ++x)
            to[x] = from[x / whole];
    }
    blocks.setDevicePixelRatio(deviceRatio);
    painter.drawImage(QPointF(target.topLeft()) + QPointF(part.topLeft()) * (whole / deviceRatio), blocks);
}

} // namespace PhonePixels
