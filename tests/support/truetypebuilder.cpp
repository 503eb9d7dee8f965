#include "support/truetypebuilder.h"

#include <QFile>
#include <QtEndian>

namespace TestFonts {
namespace {

// Appends big-endian fields; each call is one field of a table.
class Writer
{
public:
    Writer &u16(std::uint16_t v) { return raw(qToBigEndian(v)); }
    Writer &u32(std::uint32_t v) { return raw(qToBigEndian(v)); }
    Writer &u64(std::uint64_t v) { return raw(qToBigEndian(v)); }
    Writer &bytes(const QByteArray &b) { m_out += b; return *this; }
    Writer &zeros(int n) { m_out += QByteArray(n, '\0'); return *this; }
    QByteArray take() { return std::move(m_out); }

private:
    template <typename T> Writer &raw(T v) { m_out.append(reinterpret_cast<const char *>(&v), sizeof v); return *this; }
    QByteArray m_out;
};

std::uint32_t checksum(const QByteArray &data)
{
    QByteArray padded = data;
    padded.append(QByteArray((4 - padded.size() % 4) % 4, '\0'));
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i < padded.size(); i += 4)
        sum += qFromBigEndian<std::uint32_t>(padded.constData() + i);
    return sum;
}

} // namespace

QByteArray utf16be(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        out.append(char(c.unicode() >> 8));
        out.append(char(c.unicode() & 0xFF));
    }
    return out;
}

Name windowsName(std::uint16_t nameId, const QString &text, std::uint16_t languageId)
{
    return Name{3, 1, languageId, nameId, utf16be(text)};
}

Name macName(std::uint16_t nameId, const QByteArray &bytes)
{
    return Name{1, 0, 0, nameId, bytes};
}

QList<Name> familyNames(const QString &family, const QString &subfamily)
{
    const QString full = family + QLatin1Char(' ') + subfamily;
    QString postscript = full;
    postscript.remove(QLatin1Char(' '));
    return {
        windowsName(1, family),
        windowsName(2, subfamily),
        windowsName(3, full + QStringLiteral(" test build")),
        windowsName(4, full),
        windowsName(6, postscript),
    };
}

QByteArray sfnt(const QList<Table> &tables, std::optional<std::uint16_t> numTables)
{
    const auto count = std::uint16_t(tables.size());
    Writer head;
    head.u32(0x00010000)  // sfnt version
        .u16(numTables.value_or(count)) // numTables
        .u16(0)           // searchRange (not read)
        .u16(0)           // entrySelector (not read)
        .u16(0);          // rangeShift (not read)
    QByteArray body;
    std::uint32_t offset = 12 + 16 * count;
    Writer dir;
    for (const Table &t : tables) {
        dir.bytes(t.tag.leftJustified(4, ' ', true)) // tag
            .u32(checksum(t.data))                  // checkSum
            .u32(t.offset.value_or(offset))         // offset from the start of the file
            .u32(t.length.value_or(std::uint32_t(t.data.size()))); // length
        QByteArray data = t.data;
        data.append(QByteArray((4 - data.size() % 4) % 4, '\0'));
        body += data;
        offset += std::uint32_t(data.size());
    }
    return head.take() + dir.take() + body;
}

QByteArray headTable(std::uint32_t magic)
{
    return Writer()
        .u32(0x00010000) // version
        .u32(0x00010000) // fontRevision
        .u32(0)          // checkSumAdjustment
        .u32(magic)      // magicNumber
        .u16(0x000B)     // flags
        .u16(2048)       // unitsPerEm
        .u64(0)          // created
        .u64(0)          // modified
        .u16(0).u16(0)   // xMin, yMin
        .u16(1000).u16(1000) // xMax, yMax
        .u16(0)          // macStyle
        .u16(8)          // lowestRecPPEM
        .u16(2)          // fontDirectionHint
        .u16(0)          // indexToLocFormat
        .u16(0)          // glyphDataFormat
        .take();
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
    return header.take() + storage;
}

QByteArray os2Table(std::uint16_t fsSelection, std::uint16_t version)
{
    Writer w;
    w.u16(version)   // version
        .u16(500)    // xAvgCharWidth
        .u16(400)    // usWeightClass
        .u16(5)      // usWidthClass
        .u16(0)      // fsType
        .zeros(22)   // subscript, superscript, strikeout metrics, sFamilyClass
        .zeros(10)   // panose
        .zeros(16)   // ulUnicodeRange1..4
        .bytes("TEST") // achVendID
        .u16(fsSelection) // fsSelection
        .u16(0x20)   // usFirstCharIndex
        .u16(0x7E)   // usLastCharIndex
        .u16(800)    // sTypoAscender
        .u16(0xFF38) // sTypoDescender (-200)
        .u16(0)      // sTypoLineGap
        .u16(900)    // usWinAscent
        .u16(250);   // usWinDescent
    if (version >= 1)
        w.u32(1)     // ulCodePageRange1
            .u32(0); // ulCodePageRange2
    return w.take();
}

QByteArray buildTrueType(const QList<Name> &names, std::uint16_t fsSelection)
{
    return sfnt({
        {"head", headTable()},
        {"name", nameTable(names)},
        {"OS/2", os2Table(fsSelection)},
    });
}

QString dejaVuPath(const QString &fileName)
{
    return QStringLiteral("/usr/share/fonts/truetype/dejavu/") + fileName;
}

QByteArray withNameTable(const QByteArray &font, const QByteArray &newName)
{
    // The source is a sound system font: read its directory as it is.
    const auto u16 = [&](qsizetype at) { return qFromBigEndian<std::uint16_t>(font.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<std::uint32_t>(font.constData() + at); };
    QList<Table> tables;
    for (int i = 0; i < u16(4); ++i) {
        const qsizetype entry = 12 + 16 * i;
        const QByteArray tag = font.mid(entry, 4);
        tables.append({tag, tag == "name" ? newName : font.mid(u32(entry + 8), u32(entry + 12))});
    }
    return sfnt(tables);
}

QString writeRenamedFont(const QString &dir, const QString &fileName, const QList<Name> &names,
                         const QString &sourceFont)
{
    QFile source(sourceFont);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QString path = dir + QLatin1Char('/') + fileName;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || out.write(withNameTable(source.readAll(), nameTable(names))) < 0)
        return {};
    return path;
}

} // namespace TestFonts
