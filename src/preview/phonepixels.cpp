#include "preview/phonepixels.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace PhonePixels {

void fixRendering(QFont &font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferVerticalHinting);
}

void drawEnlarged(QPainter &painter, const QRect &target, const QImage &band)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, band);
    painter.restore();
}

} // namespace PhonePixels
