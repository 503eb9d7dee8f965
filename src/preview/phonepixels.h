#pragma once

#include <QtGlobal>

class QFont;
class QImage;
class QPainter;
class QRect;

// How the preview turns faces into phone pixels, the same on every desktop.
namespace PhonePixels {

// Makes 'font' draw as the phone would: its own glyphs alone (a character
// the face lacks shows the face's glyph 0, never another font's letter),
// grey anti-aliasing whatever the desktop's subpixel setting, and one fixed
// hinting choice.
void fixRendering(QFont &font);

// Device pixels per logical pixel where 'painter' draws.
qreal deviceRatioOf(const QPainter &painter);

// Draws the part 'area' (in phone pixels) of 'band', a 32-bit image at one
// pixel per phone pixel, where it falls when the whole band covers 'target',
// by nearest neighbour. At a whole ratio of device pixels to phone pixels
// each phone pixel becomes an exact square block; at a fractional one the
// painter picks the nearest phone pixel, so blocks differ by one pixel.
void drawEnlarged(QPainter &painter, const QRect &target, const QImage &band, const QRect &area);

} // namespace PhonePixels
