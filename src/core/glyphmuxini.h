#pragma once

#include <QByteArray>
#include <QStringList>

struct AliasLine;
struct FontMap;

// Glyphmux.ini, the engine's configuration, written from a font map.

// The file as its 32 lines, without line ends. Control characters in the
// values (line breaks above all) are written as spaces.
QStringList glyphmuxIniLines(const FontMap &map);

// The value of an alias line: slot 2's face at the alias's own size,
// italic when the alias's slot is ("Face@13:I"). The reader compares with it.
QString aliasValue(const FontMap &map, const AliasLine &alias);

// The exact bytes of the given lines: UTF-16LE with BOM, CR LF after every line.
QByteArray encodeGlyphmuxIni(const QStringList &lines);

// The whole file for a font map.
QByteArray glyphmuxIniBytes(const FontMap &map);
