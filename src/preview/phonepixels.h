#pragma once

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

// Draws 'band', an image at one pixel per phone pixel, over 'target' by
// nearest neighbour: at a whole ratio of device pixels to phone pixels each
// phone pixel becomes an exact square block.
void drawEnlarged(QPainter &painter, const QRect &target, const QImage &band);

} // namespace PhonePixels
