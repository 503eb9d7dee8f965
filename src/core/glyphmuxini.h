#pragma once

#include <QByteArray>
#include <QStringList>

struct FontMap;

// Glyphmux.ini, the engine's configuration, written from a font map.

// The file as its 32 lines, without line ends. Control characters in the
// values (line breaks above all) are written as spaces.
QStringList glyphmuxIniLines(const FontMap &map);

// The exact bytes of the given lines: UTF-16LE with BOM, CR LF after every line.
QByteArray encodeGlyphmuxIni(const QStringList &lines);

// The whole file for a font map.
QByteArray glyphmuxIniBytes(const FontMap &map);
