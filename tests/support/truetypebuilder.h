#pragma once

#include <QList>
#include <QStringEncoder>

#include <optional>

// TrueType files for tests, built from scratch or from a real font with new
// tables: faces the system does not know, and damaged files easy to read about.
namespace TestFonts {

// One record of a "name" table; 'bytes' are stored exactly as given.
struct Name
{
    std::uint16_t platformId = 3, encodingId = 1, languageId = 0x0409, nameId = 0;
    QByteArray bytes;
};

inline QByteArray utf16be(const QString &text) { return QStringEncoder(QStringEncoder::Utf16BE).encode(text); }
// A Windows (platform 3, Unicode BMP) record.
inline Name windowsName(std::uint16_t nameId, const QString &text, std::uint16_t languageId = 0x0409)
{ return Name{3, 1, languageId, nameId, utf16be(text)}; }
// Windows records for family, subfamily, unique id, full and PostScript name.
QList<Name> familyNames(const QString &family, const QString &subfamily);

// One table of a file; 'offset' and 'length' replace what the directory
// would say, to describe damaged files.
struct Table
{
    QByteArray tag, data;
    std::optional<std::uint32_t> offset = std::nullopt, length = std::nullopt;
};

// Offset table, directory in the order given, then the tables, each on a
// 4-byte boundary. 'numTables' replaces the real count.
QByteArray sfnt(const QList<Table> &tables, std::optional<std::uint16_t> numTables = std::nullopt);
QByteArray headTable(std::uint32_t magic = 0x5F0F3CF5);
QByteArray nameTable(const QList<Name> &names);
// An OS/2 table of version 1 (86 bytes) or 0 (78 bytes).
QByteArray os2Table(std::uint16_t fsSelection, std::uint16_t version = 1);
// head + name + OS/2: enough for the reader, not for drawing.
inline QByteArray buildTrueType(const QList<Name> &names, std::uint16_t fsSelection = 0)
{ return sfnt({{"head", headTable()}, {"name", nameTable(names)}, {"OS/2", os2Table(fsSelection)}}); }

// A DejaVu font installed with fonts-dejavu-core and fonts-dejavu-extra.
inline QString dejaVuPath(const QString &fileName) { return QStringLiteral("/usr/share/fonts/truetype/dejavu/") + fileName; }
// Writes 'bytes' to 'path'; returns the path, or empty on failure.
QString writeFile(const QString &path, const QByteArray &bytes);
// A file that claims far more than it holds, with the names of "Hostile
// Book" and a 60 KB licence: 'sparse', the name table's length runs to the
// end of a 4 GB sparse file; otherwise the directory lists one name table
// 65,534 times. Returns the path, or empty on failure.
QString writeOverclaimingFont(const QString &path, bool sparse);
// A real font under new names written to dir/fileName, whose path it returns
// (empty on failure): a drawable face unknown to the system.
QString writeRenamedFont(const QString &dir, const QString &fileName, const QList<Name> &names,
                         const QString &sourceFont = dejaVuPath(QStringLiteral("DejaVuSans.ttf")));
// As writeRenamedFont, but mapping only 'characters' (Basic Multilingual
// Plane) to glyphs: a drawable face that lacks every other character.
QString writeFontWithCharacters(const QString &dir, const QString &fileName, const QList<Name> &names,
                                const QString &characters);

} // namespace TestFonts
