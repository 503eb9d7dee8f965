#pragma once

#include "core/fileerror.h"

#include <QByteArray>
#include <QString>

// The program's own small text files (settings, language files) come from
// Windows machines in the ANSI code page as often as from UTF-8 editors, so
// reading accepts both and writing always gives UTF-8.

// UTF-8 when the bytes are valid UTF-8 (a leading BOM is dropped), otherwise
// Windows-1252.
QString decodeLocalText(const QByteArray &bytes);
QByteArray encodeLocalText(const QString &text);

struct FirstLine {
    bool ok = false;
    QString text;  // decoded, without the line end
    FileError error; // why the file could not be read; no error when ok
};

enum class CutAtComma { No, Yes };

// Reads the first line of a file (ended by CR, LF or CR LF) and, when asked,
// only the part before its first comma. A line longer than maxLineBytes is
// cut there, so a huge file without line ends cannot exhaust memory.
FirstLine readFirstLine(const QString &path, CutAtComma cut);

inline constexpr qint64 maxLineBytes = qint64(4) << 20;
