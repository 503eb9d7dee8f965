#pragma once

#include <QRect>

// The window is laid out in twips, 15 to the pixel.
constexpr int twips(int value)
{
    return value / 15;
}

inline QRect twipRect(int x, int y, int width, int height)
{
    return QRect(twips(x), twips(y), twips(width), twips(height));
}
