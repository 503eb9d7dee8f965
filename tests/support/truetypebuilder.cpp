#include "support/truetypebuilder.h"

#include <QFile>
#include <QtEndian>

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

// 'font' (a whole real font file) with its "name" table replaced.
QByteArray withNameTable(const QByteArray &font, const QByteArray &newName)
{
    // The source is a sound system font: read its directory as it is.
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<std::uint32_t>(font.constData() + at); };
    QList<Table> tables;
    for (int i = 0; i < qFromBigEndian<std::uint16_t>(font.constData() + 4); ++i) {
        const QByteArray tag = font.mid(12 + 16 * i, 4);
        tables.append({tag, tag == "name" ? newName : font.mid(u32(12 + 16 * i + 8), u32(12 + 16 * i + 12))});
    }
    return sfnt(tables);
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
        ? writeFile(dir + QLatin1Char('/') + fileName, withNameTable(source.readAll(), nameTable(names))) : QString();
}

} // namespace TestFonts
