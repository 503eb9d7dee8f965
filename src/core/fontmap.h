#pragma once

#include "core/slottable.h"

#include <QString>
#include <QStringList>

#include <array>

// The editable configuration, as the texts of the main window's controls.
// Values are kept exactly as typed: the file writer copies them unchanged,
// except for anything that could break a line.
struct FontMap {
    struct Slot {
        QString face;
        QString size;
        QString height;
        bool italic = false;
        QString width;
    };

    std::array<Slot, SlotCount> slotValues;
    int zoom = 100;
    QString chroma = QStringLiteral("100");
    QString fontPath = QStringLiteral("\\data\\fonts\\*.*");

    // The map a fresh start shows.
    static FontMap initial();
};

// Glyphmux.ini as its 32 lines, without line ends. Control characters in
// the values (line breaks above all) are written as spaces.
QStringList glyphmuxIniLines(const FontMap &map);

// The exact bytes of the file: UTF-16LE with BOM, CR LF after every line.
QByteArray encodeGlyphmuxIni(const QStringList &lines);
