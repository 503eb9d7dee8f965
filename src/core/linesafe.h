#pragma once

#include <QString>

// Values that end up inside a line of one of our files (Glyphmux.ini,
// settings.fs) must not be able to end that line or start another one.
// A line break here is any C0 control character (CR and LF among them) or
// the Unicode line and paragraph separators U+2028 and U+2029.

bool isLineBreaking(QChar c);

// For names read from fonts: the breaking characters are removed.
QString withoutLineBreaks(const QString &text);

// For writers: each breaking character becomes a space, every other
// character stays as it is.
QString onOneLine(const QString &text);
