#pragma once

#include <QRect>

#include <array>
#include <cstddef>

// The 30 texts laid over the four phone screens, as the window designs them,
// with the slot that draws each one. The one list of their names: the
// preview, its refresh steps and the language file all read it from here.

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
    std::size_t slot;          // the font slot that draws it
    int screen;
    int x, y, width, height;   // box on its screen, px
    const char *caption;
    double designPointSize;    // replaced by the first refresh
    bool bold;                 // never changes
    bool rightAligned;
    bool fitsText;             // box follows the text from its top-left corner
    int faceStep;              // place in the refresh's face step
    int sizeStep;              // place in the refresh's size step
    int languageField;         // field of a language file that holds its caption

    QRect box() const { return QRect(x, y, width, height); }
};

inline constexpr std::size_t PreviewLabelCount = 30;
const std::array<PreviewLabelInfo, PreviewLabelCount> &previewLabelTable();

// Indexes into the table in the order the face and size steps visit the
// labels (the colour step sets one colour that all labels inherit, so it has
// no order), and in the order of the language file's first fields.
using PreviewLabelOrder = std::array<std::size_t, PreviewLabelCount>;
const PreviewLabelOrder &faceStepOrder();
const PreviewLabelOrder &sizeStepOrder();
const PreviewLabelOrder &languageFieldOrder();

// The slot that draws the given preview label, or -1.
int slotOfPreviewLabel(const char *labelName);
