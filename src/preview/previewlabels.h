#pragma once

#include <QRect>

#include <array>
#include <cstddef>

// The 30 texts laid over the four phone screens, as the window designs them.
// Which slot draws each one comes from the slot table, not from here.

inline constexpr int ScreenCount = 4;
inline constexpr int ScreenWidth = 176;
inline constexpr int ScreenHeight = 208;

// Where screen 'index' (0 standby, 1 pop-up, 2 menu, 3 SMS) stands in the
// preview: 8 px apart, 8 px from the top.
constexpr QPoint screenOrigin(int index)
{
    return QPoint(8 + index * (ScreenWidth + 8), 8);
}

struct PreviewLabelInfo {
    const char *name;
    int screen;
    int x, y, width, height;   // box on its screen, px
    const char *caption;
    double designPointSize;    // replaced by the first refresh
    bool bold;                 // never changes
    bool rightAligned;
    bool fitsText;             // box follows the text from its top-left corner

    QRect box() const { return QRect(x, y, width, height); }
};

inline constexpr std::size_t PreviewLabelCount = 30;
const std::array<PreviewLabelInfo, PreviewLabelCount> &previewLabelTable();

// The orders in which the face and size steps visit the labels. (The colour
// step sets one colour that all labels inherit, so it has no order.)
using PreviewLabelOrder = std::array<const char *, PreviewLabelCount>;
const PreviewLabelOrder &faceStepOrder();
const PreviewLabelOrder &sizeStepOrder();
