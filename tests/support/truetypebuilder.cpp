#include "support/truetypebuilder.h"

#include <QFile>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace TestFonts {
namespace {

// Appends big-endian fields; each call is one field of a table.
struct Writer
{
    QByteArray out;
    Writer &u16(std::uint16_t v) { out.append(char(v >> 8)).append(char(v)); return *this; }
    Writer &u32(std::uint32_t v) { return u16(std::uint16_t(v >> 16)).u16(std::uint16_t(v)); }
    Writer &bytes(const QByteArray &b) { out += b; return *this; }
    Writer &zeros(int n) { return bytes(QByteArray(n, '\0')); }
};

// 'font' (a whole real font file) with some tables replaced.
QByteArray withTables(const QByteArray &font, const std::map<QByteArray, QByteArray> &replaced)
{
    // The source is a sound system font: read its directory as it is.
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<std::uint32_t>(font.constData() + at); };
    QList<Table> tables;
    for (int i = 0; i < qFromBigEndian<std::uint16_t>(font.constData() + 4); ++i) {
        const QByteArray tag = font.mid(12 + 16 * i, 4);
        const auto it = replaced.find(tag);
        tables.append({tag, it != replaced.end() ? it->second : font.mid(u32(12 + 16 * i + 8), u32(12 + 16 * i + 12))});
    }
    return sfnt(tables);
}

// A Windows Unicode "cmap" of format 4 with one segment per character.
QByteArray cmapTable(std::map<char16_t, std::uint16_t> glyphs)
{
    glyphs.emplace(0xFFFF, 0); // the closing segment every format 4 table ends with
    const auto segments = std::uint16_t(glyphs.size());
    std::uint16_t power = 1, log2 = 0;
    while (power * 2 <= segments) { power *= 2; ++log2; }
    Writer ends, starts, deltas, rangeOffsets;
    for (const auto &[code, glyph] : glyphs) {
        ends.u16(code);
        starts.u16(code);
        deltas.u16(code == 0xFFFF ? 1 : std::uint16_t(glyph - code)); // glyph = code + delta (mod 65536)
        rangeOffsets.u16(0);
    }
    Writer sub;
    sub.u16(4)                                 // format
        .u16(std::uint16_t(16 + 8 * segments)) // length
        .u16(0)                                // language
        .u16(2 * segments)                     // segCountX2
        .u16(2 * power)                        // searchRange
        .u16(log2)                             // entrySelector
        .u16(2 * segments - 2 * power)         // rangeShift
        .bytes(ends.out).u16(0)                // endCode[], reservedPad
        .bytes(starts.out).bytes(deltas.out).bytes(rangeOffsets.out);
    return Writer().u16(0).u16(1)   // version, numTables
        .u16(3).u16(1).u32(12)      // Windows, Unicode BMP, offset of the subtable
        .bytes(sub.out).out;
}

} // namespace

QList<Name> familyNames(const QString &family, const QString &subfamily)
{
    // Unique and PostScript names too, so that nothing ties the file to its source.
    const QString full = family + QLatin1Char(' ') + subfamily;
    return {windowsName(1, family), windowsName(2, subfamily), windowsName(3, full + QStringLiteral(" test build")),
            windowsName(4, full), windowsName(6, QString(full).remove(QLatin1Char(' ')))};
}

QByteArray sfnt(const QList<Table> &tables, std::optional<std::uint16_t> numTables)
{
    Writer file;
    file.u32(0x00010000)                                        // sfnt version
        .u16(numTables.value_or(std::uint16_t(tables.size()))) // numTables
        .zeros(6);                                              // searchRange, entrySelector, rangeShift (not read)
    QByteArray body;
    for (const Table &t : tables) {
        file.bytes(t.tag)                                                                // tag
            .u32(0)                                                                      // checkSum (no reader checks it)
            .u32(t.offset.value_or(std::uint32_t(12 + 16 * tables.size() + body.size()))) // offset from the start of the file
            .u32(t.length.value_or(std::uint32_t(t.data.size())));                       // length
        body += t.data + QByteArray((4 - t.data.size() % 4) % 4, '\0'); // padded to 4 bytes
    }
    return file.out + body;
}

QByteArray headTable(std::uint32_t magic)
{
    // The inspector reads only the magic number; fonts that are drawn keep their own head.
    return Writer()
        .u32(0x00010000) // version
        .zeros(8)        // fontRevision, checkSumAdjustment
        .u32(magic)      // magicNumber
        .zeros(38)       // flags, unitsPerEm, created, modified, bounding box, macStyle .. glyphDataFormat
        .out;
}

QByteArray nameTable(const QList<Name> &names)
{
    Writer header;
    header.u16(0)                                     // format
        .u16(std::uint16_t(names.size()))             // count
        .u16(std::uint16_t(6 + 12 * names.size()));   // stringOffset
    QByteArray storage;
    for (const Name &n : names) {
        header.u16(n.platformId)                      // platformID
            .u16(n.encodingId)                        // encodingID
            .u16(n.languageId)                        // languageID
            .u16(n.nameId)                            // nameID
            .u16(std::uint16_t(n.bytes.size()))       // length
            .u16(std::uint16_t(storage.size()));      // offset into the storage
        storage += n.bytes;
    }
    return header.out + storage;
}

QByteArray os2Table(std::uint16_t fsSelection, std::uint16_t version)
{
    // Only fsSelection (at offset 62) is read.
    return Writer()
        .u16(version)                  // version
        .zeros(56)                     // xAvgCharWidth .. ulUnicodeRange4 (metrics, panose, ranges)
        .bytes("TEST")                 // achVendID
        .u16(fsSelection)              // fsSelection
        .zeros(version >= 1 ? 22 : 14) // usFirstCharIndex .. usWinDescent, ulCodePageRange1..2 (version 1)
        .out;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() ? path : QString();
}

QString writeRenamedFont(const QString &dir, const QString &fileName, const QList<Name> &names, const QString &sourceFont)
{
    QFile source(sourceFont);
    return source.open(QIODevice::ReadOnly)
        ? writeFile(dir + QLatin1Char('/') + fileName, withTables(source.readAll(), {{"name", nameTable(names)}})) : QString();
}

QString writeFontWithCharacters(const QString &dir, const QString &fileName, const QList<Name> &names,
                                const QString &characters)
{
    const QString sourcePath = dejaVuPath(QStringLiteral("DejaVuSans.ttf"));
    QFile source(sourcePath);
    const QRawFont raw(sourcePath, 12);
    if (!source.open(QIODevice::ReadOnly) || !raw.isValid())
        return QString();
    std::map<char16_t, std::uint16_t> glyphs;
    const QList<quint32> indexes = raw.glyphIndexesForString(characters);
    for (qsizetype i = 0; i < characters.size() && i < indexes.size(); ++i)
        glyphs[characters[i].unicode()] = std::uint16_t(indexes[i]);
    return writeFile(dir + QLatin1Char('/') + fileName,
                     withTables(source.readAll(), {{"name", nameTable(names)}, {"cmap", cmapTable(glyphs)}}));
}

} // namespace TestFonts
