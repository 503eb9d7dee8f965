#pragma once

#include "core/slottable.h"

#include <QString>

#include <array>

// The editable configuration: five font slots and three globals. Texts are
// kept exactly as typed: the file writer copies them unchanged, and sizes,
// zoom and chroma are read as numbers only where they are used.
struct FontMap {
    struct Slot {
        QString face;
        QString size;
        QString height;
        bool italic = false;
        QString width;
        // The absolute path of the font file the face came from; empty for a
        // typed or unresolved face. Never written into Glyphmux.ini.
        QString file;

        friend bool operator==(const Slot &a, const Slot &b)
        {
            return a.face == b.face && a.file == b.file && a.size == b.size && a.height == b.height && a.italic == b.italic
                   && a.width == b.width;
        }
        friend bool operator!=(const Slot &a, const Slot &b) { return !(a == b); }
    };

    std::array<Slot, SlotCount> slotValues;
    int zoom = 100;
    QString chroma = QStringLiteral("100");
    QString fontPath = QStringLiteral("\\data\\fonts\\*.*");

    // The map a fresh start shows.
    static FontMap initial();

    friend bool operator==(const FontMap &a, const FontMap &b)
    {
        return a.slotValues == b.slotValues && a.zoom == b.zoom && a.chroma == b.chroma
               && a.fontPath == b.fontPath;
    }
    friend bool operator!=(const FontMap &a, const FontMap &b) { return !(a == b); }
};
