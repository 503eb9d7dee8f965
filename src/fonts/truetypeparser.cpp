#include "fonts/truetypeparser.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>

namespace TrueType {
namespace {

constexpr std::uint64_t offsetTableSize = 12;
constexpr std::uint64_t directoryEntrySize = 16;
constexpr std::uint64_t headSize = 54;
constexpr std::uint64_t headMagicOffset = 12;
constexpr std::uint64_t nameHeaderSize = 6;
constexpr std::uint64_t nameRecordSize = 12;
// fsSelection sits at offset 62; every OS/2 version has it, the oldest
// (78 bytes) is shorter than the 86 bytes of version 1, so read only up to it.
constexpr std::uint64_t os2FsSelectionOffset = 62;
constexpr std::uint64_t os2NeededSize = os2FsSelectionOffset + 2;
constexpr std::uint64_t maxpNumGlyphsOffset = 4; // after the version
// No single read is larger, whatever a file claims. The largest directory
// (0xFFFF entries) and the largest record list (0xFFFF records) fit.
constexpr std::uint64_t maxReadSize = 1 << 20;
// A real font has one "name" table. The walk stops at a directory entry
// that would make it read the header of more different ones than this, as at
// a damaged table, so that a crafted directory cannot make it read 65,535.
constexpr qsizetype maxNameTables = 64;

struct TableEntry
{
    char tag[4];
    std::uint32_t offset = 0;
    std::uint32_t length = 0;

    bool is(const char (&name)[5]) const
    {
        return tag[0] == name[0] && tag[1] == name[1] && tag[2] == name[2] && tag[3] == name[3];
    }
};

std::optional<QByteArray> readBounded(const ByteSource &source, std::uint64_t offset, std::uint64_t len)
{
    if (len > maxReadSize)
        return std::nullopt;
    return source.readAt(offset, len);
}

// 'len' bytes at 'at' within a table that must be whole inside the file and
// at least 'needed' bytes long.
std::optional<QByteArray> readInTable(const ByteSource &source, const TableEntry &entry, std::uint64_t needed,
                                      std::uint64_t at, std::uint64_t len)
{
    if (entry.length < needed || !source.contains(entry.offset, entry.length))
        return std::nullopt;
    return readBounded(source, std::uint64_t(entry.offset) + at, len);
}

std::optional<QList<TableEntry>> readDirectory(const ByteSource &source, std::uint32_t &sfntVersion)
{
    const auto header = readBounded(source, 0, offsetTableSize);
    if (!header)
        return std::nullopt;
    ByteReader offsets(*header);
    sfntVersion = offsets.u32().value_or(0); // not checked; it tells a collection apart
    if (header->startsWith("ttcf")) // a collection is not read, only named
        return std::nullopt;
    const std::uint16_t numTables = offsets.u16().value_or(0);
    if (numTables == 0)
        return std::nullopt;
    const auto bytes = readBounded(source, offsetTableSize, numTables * directoryEntrySize);
    if (!bytes)
        return std::nullopt;
    ByteReader dir(*bytes);
    QList<TableEntry> entries(numTables);
    for (TableEntry &entry : entries) {
        const auto tag = dir.take(4);
        dir.u32(); // checksum: not used
        const auto offset = dir.u32();
        const auto length = dir.u32();
        if (!tag || !offset || !length)
            return std::nullopt;
        std::copy_n(tag->data(), 4, entry.tag);
        entry.offset = *offset;
        entry.length = *length;
    }
    return entries;
}

// The header of a "name" table: it is taken when its records and the start
// of its string storage lie inside the table.
struct NameHeader
{
    std::uint16_t count = 0;
    std::uint16_t stringOffset = 0;

    bool fits(std::uint32_t tableLength) const
    {
        return nameHeaderSize + count * nameRecordSize <= tableLength && stringOffset <= tableLength;
    }
};

// The header at 'offset', whatever the table's claimed length.
std::optional<NameHeader> readNameHeader(const ByteSource &source, std::uint32_t offset)
{
    const auto bytes = readBounded(source, offset, nameHeaderSize);
    if (!bytes)
        return std::nullopt;
    ByteReader reader(*bytes);
    reader.u16(); // format: not used
    NameHeader header;
    header.count = reader.u16().value_or(0);
    header.stringOffset = reader.u16().value_or(0);
    return header;
}

bool isUsedNameId(std::uint16_t nameId)
{
    return nameId <= lastUsedNameId || nameId == LicenseId;
}

// The records whose string nameString() can answer with, for any locale:
// every Windows record (one may match the locale), and a record of another
// platform only when no Windows record of its ID follows it, or the last one
// is empty. The others are always overridden, so their strings are not read.
QList<bool> canAnswer(const QList<NameRecord> &records)
{
    constexpr int ids = LicenseId + 1;
    std::array<qsizetype, ids> lastWindows;
    lastWindows.fill(-1);
    for (qsizetype k = 0; k < records.size(); ++k) {
        if (records[k].platformId == 3 && records[k].nameId < ids)
            lastWindows[records[k].nameId] = k;
    }
    QList<bool> needed(records.size());
    for (qsizetype k = 0; k < records.size(); ++k) {
        const NameRecord &r = records[k];
        const qsizetype last = r.nameId < ids ? lastWindows[r.nameId] : -1;
        // A UTF-16 string shorter than one unit decodes to nothing.
        needed[k] = r.platformId == 3 || last < 0 || (k > last && records[last].length < 2);
    }
    return needed;
}

// Glyf wins over CFF, as font engines choose when a file has both.
OutlineKind outlineKind(const QList<TableEntry> &entries)
{
    OutlineKind kind = OutlineKind::Unknown;
    for (const TableEntry &entry : entries) {
        if (entry.is("glyf"))
            return OutlineKind::TrueType;
        if (entry.is("CFF ") || entry.is("CFF2"))
            kind = OutlineKind::PostScript;
    }
    return kind;
}

std::optional<int> glyphCount(const ByteSource &source, const QList<TableEntry> &entries)
{
    for (const TableEntry &entry : entries) {
        if (!entry.is("maxp"))
            continue;
        const auto count = readInTable(source, entry, maxpNumGlyphsOffset + 2, maxpNumGlyphsOffset, 2);
        if (const auto value = count ? ByteReader(*count).u16() : std::nullopt)
            return *value;
        return std::nullopt;
    }
    return std::nullopt;
}

// The records of a "name" table whose header was taken, and the strings of
// the used name IDs. Only those strings are read: all of them lie within one
// span of at most 128 KiB, since offsets and lengths are 16-bit. 'damaged' is
// set for a string outside the string storage.
std::optional<NameTable> readNameTable(const ByteSource &source, const TableEntry &entry, const NameHeader &header,
                                       bool &damaged)
{
    const auto recordBytes = readInTable(source, entry, nameHeaderSize, nameHeaderSize, header.count * nameRecordSize);
    if (!recordBytes)
        return std::nullopt;
    ByteReader records(*recordBytes);
    const std::uint64_t storageSize = entry.length - header.stringOffset;
    NameTable names;
    std::uint64_t spanBegin = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t spanEnd = 0;
    for (int k = 0; k < header.count; ++k) {
        NameRecord r;
        r.platformId = records.u16().value_or(0);
        r.encodingId = records.u16().value_or(0);
        r.languageId = records.u16().value_or(0);
        r.nameId = records.u16().value_or(0);
        r.length = records.u16().value_or(0);
        r.offset = records.u16().value_or(0);
        const bool inside = std::uint64_t(r.offset) + r.length <= storageSize;
        damaged = damaged || (r.length != 0 && !inside);
        if (!isUsedNameId(r.nameId))
            continue;
        if (!inside) // kept with an empty string
            r.length = 0;
        if (r.nameId == LicenseId)
            r.length = std::min(r.length, std::uint16_t(licenseBytesRead & ~1)); // whole UTF-16 units
        names.records.append(r);
    }
    names.strings.resize(names.records.size());
    const QList<bool> needed = canAnswer(names.records);
    for (qsizetype k = 0; k < names.records.size(); ++k) {
        const NameRecord &r = names.records[k];
        if (r.length != 0 && needed[k]) {
            spanBegin = std::min<std::uint64_t>(spanBegin, r.offset);
            spanEnd = std::max<std::uint64_t>(spanEnd, std::uint64_t(r.offset) + r.length);
        }
    }
    if (spanEnd == 0)
        return names;
    const auto span = readInTable(source, entry, nameHeaderSize, header.stringOffset + spanBegin, spanEnd - spanBegin);
    if (!span)
        return std::nullopt;
    for (qsizetype k = 0; k < names.records.size(); ++k) {
        const NameRecord &r = names.records[k];
        if (r.length != 0 && needed[k])
            names.strings[k] = decodeNameString(r.platformId, QByteArrayView(*span).sliced(r.offset - spanBegin, r.length));
    }
    return names;
}

// Lone surrogates would make an invalid string; show them as U+FFFD.
QString replaceLoneSurrogates(const QString &in)
{
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QChar u = in[i];
        if (u.isHighSurrogate() && i + 1 < in.size() && in[i + 1].isLowSurrogate()) {
            out.append(u);
            out.append(in[++i]);
        } else {
            out.append(u.isSurrogate() ? QChar(QChar::ReplacementCharacter) : u);
        }
    }
    return out;
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// bytes keep their C1 code points, as the system's conversion does.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decodeNameString(std::uint16_t platformId, QByteArrayView bytes)
{
    const auto byte = [&](qsizetype i) -> char16_t {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    if (bytes.isEmpty())
        return QString();
    if (platformId != 0 && platformId != 3 && bytes[0] != 0) {
        QString out(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char16_t b = byte(i);
            out[i] = QChar(b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : b);
        }
        return out;
    }
    // UTF-16BE; for the other platforms the first byte is dropped and a zero
    // appended, which reads Latin-1 text stored as UTF-16BE.
    const qsizetype shift = platformId == 0 || platformId == 3 ? 0 : 1;
    QString out(bytes.size() / 2, Qt::Uninitialized);
    char16_t *units = reinterpret_cast<char16_t *>(out.data());
    bool surrogates = false;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const qsizetype at = 2 * i + shift;
        const char16_t u = shift ? char16_t(byte(at) | byte(at + 1) << 8) : char16_t(byte(at) << 8 | byte(at + 1));
        units[i] = u;
        surrogates = surrogates || QChar::isSurrogate(u);
    }
    return surrogates ? replaceLoneSurrogates(out) : out;
}

QString nameString(const NameTable &names, std::uint16_t nameId, std::uint32_t localeId)
{
    QString result;
    const qsizetype n = std::min(names.records.size(), names.strings.size());
    for (qsizetype k = 0; k < n; ++k) {
        const NameRecord &r = names.records[k];
        if (r.nameId != nameId)
            continue;
        if (r.platformId == 3) {
            result = names.strings[k];
            if (r.languageId == localeId)
                break;
        } else if (result.isEmpty()) {
            result = names.strings[k];
        }
    }
    return result;
}

bool isBitSet(std::uint16_t value, int bit)
{
    return bit >= 0 && bit <= 15 && (value & (1u << bit)) != 0;
}

FontTables readFontTables(const ByteSource &source, bool validBefore)
{
    FontTables out;
    const auto entries = readDirectory(source, out.sfntVersion);
    if (!entries)
        return out;
    out.outlines = outlineKind(*entries);
    for (const TableEntry &entry : *entries) {
        if (entry.is("cmap")) {
            out.cmap = TableSpan{entry.offset, entry.length};
            break;
        }
    }

    bool headDamaged = false;
    for (const TableEntry &entry : *entries) {
        if (!entry.is("head"))
            continue;
        const auto magic = readInTable(source, entry, headSize, headMagicOffset, 4);
        headDamaged = !magic;
        if (magic)
            out.validTrueType = ByteReader(*magic).u32() == magicNumber;
        break;
    }
    if (headDamaged || !out.validTrueType.value_or(validBefore)) {
        out.glyphCount = glyphCount(source, *entries);
        return out;
    }

    // The walk takes the tables in directory order and stops at the first it
    // cannot take; the last "name" and the last "OS/2" taken before that
    // win. Find those two first, so that a table listed many times is
    // looked at once and read once.
    const TableEntry *name = nullptr;
    NameHeader nameHeader;
    const TableEntry *os2 = nullptr;
    QHash<std::uint32_t, std::optional<NameHeader>> headers; // by table offset
    bool walked = true;
    for (const TableEntry &entry : *entries) {
        if (entry.is("name")) {
            auto it = headers.find(entry.offset);
            if (it == headers.end()) {
                if (headers.size() == maxNameTables) {
                    walked = false;
                    break;
                }
                it = headers.insert(entry.offset, readNameHeader(source, entry.offset));
            }
            const std::optional<NameHeader> &header = *it;
            if (entry.length < nameHeaderSize || !source.contains(entry.offset, entry.length) || !header
                || !header->fits(entry.length)) {
                walked = false;
                break;
            }
            name = &entry;
            nameHeader = *header;
        } else if (entry.is("OS/2")) {
            if (entry.length < os2NeededSize || !source.contains(entry.offset, entry.length)) {
                walked = false;
                break;
            }
            os2 = &entry;
        }
    }

    bool damaged = false;
    if (name) {
        out.names = readNameTable(source, *name, nameHeader, damaged);
        walked = walked && out.names;
    }
    out.glyphCount = glyphCount(source, *entries); // "maxp" usually lies next to "name": one read
    if (os2) {
        const auto fsSelection = readInTable(source, *os2, os2NeededSize, os2FsSelectionOffset, 2);
        if (fsSelection)
            out.fsSelection = ByteReader(*fsSelection).u16();
        walked = walked && fsSelection;
    }
    out.complete = walked && !damaged;
    return out;
}

} // namespace TrueType
