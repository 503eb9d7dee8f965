#include "support/truetypebuilder.h"

#include <QFile>
#include <QRawFont>
#include <QtEndian>

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

// A Windows full-Unicode "cmap" (format 12) with one group per character.
QByteArray cmapTable(const std::map<char16_t, std::uint16_t> &glyphs)
{
    Writer groups;
    for (const auto &[code, glyph] : glyphs)
        groups.u32(code).u32(code).u32(glyph); // startCharCode, endCharCode, startGlyphID
    return Writer().u16(0).u16(1).u16(3).u16(10).u32(12) // version, numTables; Windows, UCS-4, subtable offset
        .u16(12).u16(0).u32(std::uint32_t(16 + groups.out.size())) // format, reserved, length
        .u32(0).u32(std::uint32_t(glyphs.size())).bytes(groups.out).out; // language, numGroups, groups
}

// Writes to 'path' the sound font 'sourceFont' with some tables replaced.
QString writeWithTables(const QString &path, const QString &sourceFont, const std::map<QByteArray, QByteArray> &replaced)
{
    QFile source(sourceFont);
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray font = source.readAll();
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<std::uint32_t>(font.constData() + at); };
    QList<Table> tables;
    for (int i = 0; i < qFromBigEndian<std::uint16_t>(font.constData() + 4); ++i) {
        const QByteArray tag = font.mid(12 + 16 * i, 4);
        const auto it = replaced.find(tag);
        tables.append({tag, it != replaced.end() ? it->second : font.mid(u32(12 + 16 * i + 8), u32(12 + 16 * i + 12))});
    }
    return writeFile(path, sfnt(tables));
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
    // sfnt version, numTables; searchRange, entrySelector and rangeShift are not read.
    Writer file;
    file.u32(0x00010000).u16(numTables.value_or(std::uint16_t(tables.size()))).zeros(6);
    QByteArray body;
    for (const Table &t : tables) {
        // tag, checkSum (no reader checks it), offset from the start of the file, length
        file.bytes(t.tag).u32(0).u32(t.offset.value_or(std::uint32_t(12 + 16 * tables.size() + body.size())))
            .u32(t.length.value_or(std::uint32_t(t.data.size())));
        body += t.data + QByteArray((4 - t.data.size() % 4) % 4, '\0'); // padded to 4 bytes
    }
    return file.out + body;
}

QByteArray headTable(std::uint32_t magic)
{
    // version, fontRevision and checkSumAdjustment, magicNumber (the only field read), the rest
    return Writer().u32(0x00010000).zeros(8).u32(magic).zeros(38).out;
}

QByteArray nameTable(const QList<Name> &names)
{
    Writer header; // format, count, stringOffset
    header.u16(0).u16(std::uint16_t(names.size())).u16(std::uint16_t(6 + 12 * names.size()));
    QByteArray storage;
    for (const Name &n : names) {
        header.u16(n.platformId).u16(n.encodingId).u16(n.languageId).u16(n.nameId)
            .u16(std::uint16_t(n.bytes.size())).u16(std::uint16_t(storage.size())); // length, offset into the storage
        storage += n.bytes;
    }
    return header.out + storage;
}

QByteArray os2Table(std::uint16_t fsSelection, std::uint16_t version)
{
    // version, metrics .. ulUnicodeRange4, achVendID, fsSelection (the only field read), the rest
    return Writer().u16(version).zeros(56).bytes("TEST").u16(fsSelection).zeros(version >= 1 ? 22 : 14).out;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() ? path : QString();
}

QString writeOverclaimingFont(const QString &path, bool sparse)
{
    QList<Name> names = familyNames(QStringLiteral("Hostile"), QStringLiteral("Book"));
    names.append(windowsName(13, QString(30000, QLatin1Char('L'))));
    const QByteArray name = nameTable(names);
    if (sparse) {
        const std::uint32_t fourGigabytes = 0xFFFFFF00;
        const QString written = writeFile(path, sfnt({{"head", headTable()}, {"OS/2", os2Table(0x20)}, {"name", name, std::nullopt, fourGigabytes}}));
        return QFile::resize(written, 12 + 16 * 3 + 56 + 88 + qint64(fourGigabytes)) ? written : QString();
    }
    QList<Table> repeated = {{"head", headTable()}};
    for (int k = 0; k < 0xFFFE - 1; ++k)
        repeated.append({"name", {}, 12 + 16 * 0xFFFF + 56, std::uint32_t(name.size())});
    repeated.append({"name", name});
    return writeFile(path, sfnt(repeated));
}

QString writeRenamedFont(const QString &dir, const QString &fileName, const QList<Name> &names, const QString &sourceFont)
{
    return writeWithTables(dir + QLatin1Char('/') + fileName, sourceFont, {{"name", nameTable(names)}});
}

QString writeFontWithCharacters(const QString &dir, const QString &fileName, const QList<Name> &names,
                                const QString &characters)
{
    const QString source = dejaVuPath(QStringLiteral("DejaVuSans.ttf"));
    const QRawFont raw(source, 12);
    const QList<quint32> indexes = raw.glyphIndexesForString(characters);
    std::map<char16_t, std::uint16_t> glyphs;
    for (qsizetype i = 0; i < characters.size() && i < indexes.size(); ++i)
        glyphs[characters[i].unicode()] = std::uint16_t(indexes[i]);
    return raw.isValid() ? writeWithTables(dir + QLatin1Char('/') + fileName, source,
                                           {{"name", nameTable(names)}, {"cmap", cmapTable(glyphs)}}) : QString();
}

} // namespace TestFonts
