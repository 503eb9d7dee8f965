#pragma once

#include <QString>

// Values that end up inside a line of one of our files (Glyphmux.ini,
// settings.fs) must not be able to end that line or start another one.
// The one rule for what breaks a line: any control character (C0 with CR
// and LF, DEL, C1 with NEL) and the Unicode line and paragraph separators
// U+2028 and U+2029. The ini reader refuses lines with these, the writers
// replace them, so whatever we write reads back.

bool isLineBreaking(QChar c);

// For names read from fonts: the breaking characters are removed.
QString withoutLineBreaks(const QString &text);

// For writers: each breaking character becomes a space, every other
// character stays as it is.
QString onOneLine(const QString &text);
