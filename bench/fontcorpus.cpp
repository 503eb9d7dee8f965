#include "fontcorpus.h"

#include "support/truetypebuilder.h"

#include <QFile>
#include <QMap>
#include <QRawFont>
#include <QRegularExpression>
#include <QtEndian>

namespace FontCorpus {
namespace {

std::uint16_t u16(const QByteArray &b, qsizetype at) { return qFromBigEndian<std::uint16_t>(b.constData() + at); }
std::uint32_t u32(const QByteArray &b, qsizetype at) { return qFromBigEndian<std::uint32_t>(b.constData() + at); }
void put16(QByteArray &b, qsizetype at, std::uint16_t v) { qToBigEndian(v, b.data() + at); }
QByteArray be16(std::uint16_t v) { QByteArray b(2, '\0'); put16(b, 0, v); return b; }
QByteArray be32(std::uint32_t v) { QByteArray b(4, '\0'); qToBigEndian(v, b.data()); return b; }

struct Source
{
    QMap<QByteArray, QByteArray> tables;
    QRawFont raw;
};

bool load(const QString &path, Source &source)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray font = f.readAll();
    for (int i = 0; i < u16(font, 4); ++i)
        source.tables[font.mid(12 + 16 * i, 4)] = font.mid(u32(font, 12 + 16 * i + 8), u32(font, 12 + 16 * i + 12));
    source.raw.loadFromData(font, 12, QFont::PreferDefaultHinting);
    return source.raw.isValid();
}

// The subset of 'source' for 'characters' (simple glyphs only), named 'names'.
QByteArray subset(const Source &source, const QString &characters, const QList<TestFonts::Name> &names)
{
    const QByteArray &glyf = source.tables["glyf"], &loca = source.tables["loca"], &hmtx = source.tables["hmtx"];
    const bool longLoca = u16(source.tables["head"], 50) == 1;
    const auto glyphRange = [&](std::uint32_t g) {
        return longLoca ? std::pair(u32(loca, 4 * g), u32(loca, 4 * g + 4))
                        : std::pair(2u * u16(loca, 2 * g), 2u * u16(loca, 2 * g + 2));
    };
    const std::uint16_t metrics = u16(source.tables["hhea"], 34);
    const auto metric = [&](std::uint32_t g) {
        const std::uint32_t m = std::min<std::uint32_t>(g, metrics - 1u);
        const std::uint16_t lsb = g < metrics ? u16(hmtx, 4 * g + 2) : u16(hmtx, 4 * metrics + 2 * (g - metrics));
        return be16(u16(hmtx, 4 * m)) + be16(lsb);
    };
    QList<std::uint32_t> glyphs{0};
    QByteArray cmapGroups;
    const QList<quint32> indexes = source.raw.glyphIndexesForString(characters);
    for (qsizetype i = 0; i < characters.size() && i < indexes.size(); ++i) {
        const auto [from, to] = glyphRange(indexes[i]);
        if (indexes[i] == 0 || (to > from && qint16(u16(glyf, from)) < 0)) // composite: left out
            continue;
        cmapGroups += be32(characters[i].unicode()) + be32(characters[i].unicode()) + be32(std::uint32_t(glyphs.size()));
        glyphs.append(indexes[i]);
    }
    QByteArray newGlyf, newLoca, newHmtx;
    for (const std::uint32_t g : glyphs) {
        const auto [from, to] = glyphRange(g);
        newLoca += be32(std::uint32_t(newGlyf.size()));
        newGlyf += glyf.mid(from, to - from);
        newGlyf += QByteArray((4 - newGlyf.size() % 4) % 4, '\0');
        newHmtx += metric(g);
    }
    newLoca += be32(std::uint32_t(newGlyf.size()));
    QByteArray head = source.tables["head"], hhea = source.tables["hhea"], maxp = source.tables["maxp"];
    put16(head, 50, 1); // long offsets
    put16(hhea, 34, std::uint16_t(glyphs.size()));
    put16(maxp, 4, std::uint16_t(glyphs.size()));
    QByteArray post = source.tables["post"].left(32);
    qToBigEndian<std::uint32_t>(0x00030000, post.data()); // no glyph names
    // A Windows full-Unicode map (format 12), one group per character.
    const QByteArray cmap = be16(0) + be16(1) + be16(3) + be16(10) + be32(12) + be16(12) + be16(0)
        + be32(std::uint32_t(16 + cmapGroups.size())) + be32(0) + be32(std::uint32_t(cmapGroups.size() / 12)) + cmapGroups;
    return TestFonts::sfnt({{"OS/2", source.tables["OS/2"]}, {"cmap", cmap}, {"glyf", newGlyf}, {"head", head},
                            {"hhea", hhea}, {"hmtx", newHmtx}, {"loca", newLoca}, {"maxp", maxp},
                            {"name", TestFonts::nameTable(names)}, {"post", post}});
}

} // namespace

QStringList writeLatinSubsets(const QString &dir, int count)
{
    static const char *const faces[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                        "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"};
    QList<Source> sources;
    for (const char *face : faces) {
        Source source;
        if (load(TestFonts::dejaVuPath(QLatin1String(face)), source))
            sources.append(source);
    }
    if (sources.isEmpty())
        return {};
    QString ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        ascii += QChar(c);
    const QString subsets[] = {ascii, QString(ascii).remove(QRegularExpression(QStringLiteral("[0-9]"))),
                               QString(ascii).remove(QRegularExpression(QStringLiteral("[^A-Za-z ]")))};
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString family = QStringLiteral("Bench Face %1").arg(i, 4, 10, QLatin1Char('0'));
        const QByteArray font = subset(sources[i % sources.size()], subsets[i % 3],
                                       TestFonts::familyNames(family, QStringLiteral("Book")));
        const QString path = TestFonts::writeFile(QStringLiteral("%1/bench-%2.ttf").arg(dir).arg(i, 4, 10, QLatin1Char('0')), font);
        if (path.isEmpty())
            return {};
        paths.append(path);
    }
    return paths;
}

} // namespace FontCorpus
