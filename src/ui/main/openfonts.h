#pragma once

#include <QString>
#include <QStringList>

struct FontMap;
class FontFileMemory;

// The font files of an opened Glyphmux.ini: each face is looked up (see
// FontFinder) and the file found stored with it in the map, so that the
// opened map draws, details and exports exactly as when it was saved.
namespace OpenFonts {

struct Report {
    QStringList lines;   // one per face: where its file was found, or that none was
    bool notable = false; // a face was not found, or more than one file gave it
};

Report findFiles(FontMap &map, const QString &iniPath, const FontFileMemory &memory);

// The heading of the open report when it tells only about fonts.
QString heading(const QString &iniPath);

} // namespace OpenFonts
