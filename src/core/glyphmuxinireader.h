#pragma once

#include "core/fileerror.h"
#include "core/fontmap.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Reads a Glyphmux.ini back into a font map: the files this editor writes
// and the ones people edit by hand (other encodings, line ends, letter case
// of keys, spaces, missing parts).
//
// A slot value is "face@size" followed by ":Y<height>", ":I" and
// ":W<width>" parts in any order. The face ends at the first '@' that is
// followed by a whole number ending the value or followed by ':'; when no
// '@' is, at the last '@'. So faces keep '@' and ':' ("@SimSun", "A:B")
// while a height or width holding '@' does not move the split. A height or
// width cannot hold ':', and spaces around any value are not part of it.

// Why a line, or part of it, was not taken as it stands.
enum class IniNoteKind {
    UnknownKey,      // a key the editor does not know: dropped on save
    UnknownSection,  // a section other than [Global] and [FontMap], with all its lines
    NotAKeyLine,     // neither key=value, section, comment nor blank
    Repeated,        // a key seen before: the first one holds
    ConstantDiffers, // Enable, Nativefont, LogLevel or ForceAntiAliased: written as the usual constant
    AliasRewritten,  // an alias line that saving will write differently
    NotANumber,      // size, zoom or chroma missing or not a whole number: the value before holds
    OutOfRange,      // size, zoom or chroma outside its range: the nearest limit is taken
    UnknownSlotPart, // a part of a slot value that is not :Y, :I or :W
    Undecodable,     // bytes that are not text in the file's encoding, or control characters
};

struct IniNote {
    int line = 0;  // 1-based
    QString text;  // the line as read, damaged characters shown as U+FFFD
    IniNoteKind kind = IniNoteKind::UnknownKey;
    bool operator==(const IniNote &other) const
    {
        return line == other.line && text == other.text && kind == other.kind;
    }
};

struct ParsedGlyphmuxIni {
    bool isGlyphmuxIni = false; // it has a [FontMap] section or a slot key
    FontMap map;                // starts from the initial map
    QList<IniNote> notes;       // in line order, at most maxIniNotes
    int notesLeftOut = 0;       // notes beyond that limit
};

inline constexpr int maxIniNotes = 200;
inline constexpr qint64 maxGlyphmuxIniBytes = qint64(1) << 20;
inline constexpr int maxSlotSize = 999;

ParsedGlyphmuxIni parseGlyphmuxIni(QByteArrayView bytes);

enum class IniReadError {
    None,
    NotAFile,       // missing, a folder, a pipe or a device: see file
    CannotRead,     // opening or reading failed: see file
    TooLarge,       // over maxGlyphmuxIniBytes: not a Glyphmux.ini
    NotGlyphmuxIni, // no [FontMap] section and no slot key
};

struct GlyphmuxIniFile {
    IniReadError error = IniReadError::None;
    QString path;   // absolute, its bytes kept (core/localpath.h)
    FileError file; // for NotAFile and CannotRead
    ParsedGlyphmuxIni content;
};

GlyphmuxIniFile readGlyphmuxIniFile(const QString &path);
