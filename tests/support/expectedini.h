#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Glyphmux.ini as the tests expect it, written out independently of the
// program's writer: 'slotLines' are lines 12-16 and 'aliasLines' lines 18-31.
QStringList expectedIniLines(const QStringList &slotLines, const QStringList &aliasLines,
                             const QString &zoom = QStringLiteral("100"),
                             const QString &chroma = QStringLiteral("100"),
                             const QString &fontPath = QStringLiteral("\\data\\fonts\\*.*"));

// The alias lines when every alias carries 'face' and no italic flag.
QStringList plainAliasLines(const QString &face);

// UTF-16LE with BOM and CR LF, built byte by byte.
QByteArray utf16FileBytes(const QStringList &lines);
