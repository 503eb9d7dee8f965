#pragma once

#include <QString>

#include <optional>

// The arithmetic of the preview refresh, free of widgets.

// Point size of a preview label: (size value - slot offset) scaled by the
// zoom percentage, worked in double and handed over as float. Empty when the
// result is not a usable size (zero, negative or not finite); the label then
// keeps the size it has.
std::optional<float> previewPointSize(double sizeValue, int offset, double zoomPercent);

// The grey (red = green = blue) of the preview text for a chroma value:
// darker as the chroma rises, black from 97 up and below 0.
int chromaGrey(double chroma);

// The chroma box's text as a number, or empty when it is not one (blanks
// around the number are allowed, nothing else).
std::optional<double> chromaNumber(const QString &text);
