#pragma once

#include <QString>

// The leading decimal number of a text ("12abc" is 12, " 7" is 7, "abc" is 0),
// the way the program reads sizes, zoom and chroma out of controls.
double leadingNumber(const QString &text);

// The shortest decimal text of a number, without leading space (13 -> "13").
QString numberText(double value);
