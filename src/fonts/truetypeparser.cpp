#include "fonts/truetypeparser.h"

#include <algorithm>

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

// The table's bytes from its start, at least 'needed' of them, when the
// whole table lies inside the file.
std::optional<QByteArray> readTable(const ByteSource &source, const TableEntry &entry,
                                    std::uint64_t needed, std::uint64_t wanted)
{
    if (entry.length < needed || !source.contains(entry.offset, entry.length))
        return std::nullopt;
    return source.readAt(entry.offset, std::min<std::uint64_t>(wanted, entry.length));
}

std::optional<QList<TableEntry>> readDirectory(const ByteSource &source)
{
    const auto header = source.readAt(0, offsetTableSize);
    if (!header)
        return std::nullopt;
    ByteReader offsets(*header);
    offsets.seek(4); // sfnt version: not checked
    const std::uint16_t numTables = offsets.u16().value_or(0);
    if (numTables == 0)
        return std::nullopt;
    const auto bytes = source.readAt(offsetTableSize, numTables * directoryEntrySize);
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

// A "name" table: header and records must fit the table, or the table is
// not taken. 'damaged' is set for strings outside the string storage.
std::optional<NameTable> parseNameTable(QByteArrayView bytes, bool &damaged)
{
    ByteReader table(bytes);
    table.u16(); // format: not used
    const auto count = table.u16();
    const auto stringOffset = table.u16();
    if (!count || !stringOffset)
        return std::nullopt;
    const auto recordBytes = table.take(*count * nameRecordSize);
    const auto storage = table.sub(*stringOffset, table.size() - std::min<std::uint64_t>(*stringOffset, table.size()));
    if (!recordBytes || !storage)
        return std::nullopt;

    ByteReader records(*recordBytes);
    NameTable names;
    names.records.resize(*count);
    names.strings.resize(*count);
    for (qsizetype k = 0; k < names.records.size(); ++k) {
        NameRecord &r = names.records[k];
        r.platformId = records.u16().value_or(0);
        r.encodingId = records.u16().value_or(0);
        r.languageId = records.u16().value_or(0);
        r.nameId = records.u16().value_or(0);
        r.length = records.u16().value_or(0);
        r.offset = records.u16().value_or(0);
        if (r.length == 0)
            continue;
        ByteReader text = *storage;
        const auto string = text.seek(r.offset) ? text.take(r.length) : std::nullopt;
        if (!string) {
            damaged = true;
            continue;
        }
        names.strings[k] = decodeNameString(r.platformId, *string);
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
    const auto entries = readDirectory(source);
    if (!entries)
        return out;

    for (const TableEntry &entry : *entries) {
        if (!entry.is("head"))
            continue;
        const auto head = readTable(source, entry, headSize, headSize);
        if (!head)
            return out;
        ByteReader reader(*head);
        reader.seek(headMagicOffset);
        out.validTrueType = reader.u32() == magicNumber;
        break;
    }
    if (!out.validTrueType.value_or(validBefore))
        return out;

    bool damaged = false;
    for (const TableEntry &entry : *entries) {
        if (entry.is("name")) {
            const auto table = readTable(source, entry, nameHeaderSize, entry.length);
            auto names = table ? parseNameTable(*table, damaged) : std::nullopt;
            if (!names)
                return out;
            out.names = std::move(names);
        } else if (entry.is("OS/2")) {
            const auto table = readTable(source, entry, os2NeededSize, os2NeededSize);
            if (!table)
                return out;
            ByteReader reader(*table);
            reader.seek(os2FsSelectionOffset);
            out.fsSelection = reader.u16();
        }
    }
    out.complete = !damaged;
    return out;
}

} // namespace TrueType
