#pragma once

#include "fonts/bytereader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Reading the few parts of a TrueType file the reader needs: the table
// directory, "head" (is it TrueType at all), "name" (the font's names) and
// "OS/2" (style bits). Pure functions over a ByteSource; no file or font
// system in here, so tests and the fuzz target feed bytes directly.
namespace TrueType {

constexpr std::uint32_t magicNumber = 0x5F0F3CF5;

// Name IDs of the "name" table.
enum NameId : std::uint16_t {
    CopyrightId = 0,
    FamilyId = 1,
    SubfamilyId = 2,
    UniqueId = 3,
    FullNameId = 4,
    VersionId = 5,
    PostscriptId = 6,
    TrademarkId = 7,
    LicenseId = 13,
};
// The reader shows IDs 0 up to this one and the licence; strings of other
// IDs are not read.
constexpr std::uint16_t lastUsedNameId = TrademarkId;
// Of a licence only its start is read: the details show its first line.
constexpr std::uint16_t licenseBytesRead = 512;

// How the glyphs are drawn: TrueType quadratic outlines ("glyf") or
// PostScript ones ("CFF ", "CFF2").
enum class OutlineKind { Unknown, TrueType, PostScript };

// One 12-byte record of the "name" table, in host order.
struct NameRecord
{
    std::uint16_t platformId = 0;
    std::uint16_t encodingId = 0;
    std::uint16_t languageId = 0;
    std::uint16_t nameId = 0;
    std::uint16_t length = 0;
    std::uint16_t offset = 0;
};

// The records of one "name" table with a used name ID, in table order, and,
// parallel to them, their decoded strings (empty for a record of length 0 or
// one whose bytes are missing).
struct NameTable
{
    QList<NameRecord> records;
    QStringList strings;
};

// Where a table lies in the file, as the directory says.
struct TableSpan
{
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

// What one read of a file produced. Fields not read stay unset: the caller
// keeps what it had for them.
struct FontTables
{
    bool complete = false;              // the whole directory was walked, the names taken are whole
    std::optional<bool> validTrueType;  // set when a "head" table was read
    std::optional<NameTable> names;     // the last "name" table taken
    std::optional<std::uint16_t> fsSelection; // of the last "OS/2" table read
    std::uint32_t sfntVersion = 0;      // the first four bytes ("ttcf" for a collection)
    std::optional<int> glyphCount;      // numGlyphs of the first "maxp"
    OutlineKind outlines = OutlineKind::Unknown; // from the tables the directory lists
    std::optional<TableSpan> cmap;      // where the first "cmap" lies, unchecked
};

// Reads the directory and the tables above; a collection (several fonts in
// one file) is not read at all. 'validBefore' is what the caller
// believed before: a file without any "head" table is judged by it. Every
// count, offset and length is checked against the file and the table it
// belongs to; the walk over the directory stops at the first damaged table
// (complete stays false) and keeps the last "name" and "OS/2" taken before
// it. Name records whose string lies outside the table are kept with an
// empty string. Only the bytes used are read (no single read above 1 MiB),
// and each table once, however often the directory lists it; an entry that
// would bring in a 65th different "name" table stops the walk too.
FontTables readFontTables(const ByteSource &source, bool validBefore = false);

// The text of one name record. Platforms 0 (Unicode) and 3 (Windows) are
// UTF-16BE (an odd last byte is dropped, a lone surrogate becomes U+FFFD).
// Other platforms are Windows-1252, unless the first byte is zero: then the
// bytes are taken as UTF-16BE of Latin-1 text.
QString decodeNameString(std::uint16_t platformId, QByteArrayView bytes);

// The string for 'nameId': a Windows record in 'localeId' wins outright;
// otherwise the last Windows record; a record of another platform only while
// nothing has been found. Empty when the ID is absent.
QString nameString(const NameTable &names, std::uint16_t nameId, std::uint32_t localeId);

// Bit 'bit' (0..15) of 'value'; false for any other bit number.
bool isBitSet(std::uint16_t value, int bit);

} // namespace TrueType
