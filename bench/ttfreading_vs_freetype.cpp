// How fast the reader reads a font, side by side with FreeType reading the
// same things (face, every name record, head and OS/2); what one inspection
// costs in memory; how long crafted files take; and how much a whole font
// choice costs over registering the file alone. Prints the goals last.
#include "alloccount.h"
#include "measure.h"

#include "fonts/fontfilereader.h"
#include "fonts/fontregistry.h"
#include "fonts/truetypeparser.h"
#include "support/truetypebuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_TABLES_H

#include <cstdio>
#include <memory>

namespace {

volatile std::size_t sink = 0; // keeps the work from being optimised away

void readAndFindFace(const QString &path)
{
    FontFileReader reader;
    reader.setFontFile(path);
    std::size_t n = reader.faceName().size() + reader.copyright().size() + reader.familyName().size()
        + reader.subfamilyName().size() + reader.uniqueIdentifier().size() + reader.fullName().size()
        + reader.versionString().size() + reader.postscriptName().size() + reader.trademark().size();
    n += reader.isBold() + reader.isItalic() + reader.isUnderlined() + reader.isStrikeOut() + reader.isValidTrueType();
    sink = sink + n;
}

// The reading alone, without looking for the face.
void readOnly(const QString &path)
{
    const FileSource source(path);
    const TrueType::FontTables t = TrueType::readFontTables(source);
    std::size_t n = t.fsSelection.value_or(0);
    if (t.names) {
        for (std::uint16_t id = 0; id <= TrueType::lastUsedNameId; ++id)
            n += TrueType::nameString(*t.names, id, 0x0409).size();
    }
    sink = sink + n;
}

void freeTypeReference(FT_Library library, const QByteArray &path)
{
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.constData(), 0, &face) != 0)
        return;
    std::size_t n = 0;
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName name;
        if (FT_Get_Sfnt_Name(face, i, &name) == 0)
            n += name.string_len;
    }
    if (const auto *head = static_cast<TT_Header *>(FT_Get_Sfnt_Table(face, FT_SFNT_HEAD)))
        n += head->Units_Per_EM;
    if (const auto *os2 = static_cast<TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)))
        n += os2->fsSelection;
    FT_Done_Face(face);
    sink = sink + n;
}

std::size_t peakBytes(const std::function<void()> &run)
{
    AllocCount::resetPeak();
    run();
    return AllocCount::peakAboveReset();
}

// Large CJK fonts to measure when present: GLYPHMUX_BENCH_CJK_FONTS (paths
// separated by ':'), else the Debian places.
QStringList cjkFonts()
{
    const QString listed = qEnvironmentVariable("GLYPHMUX_BENCH_CJK_FONTS");
    const QStringList candidates = !listed.isEmpty() ? listed.split(QLatin1Char(':'), Qt::SkipEmptyParts) : QStringList{
        QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"),
        QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"),
    };
    QStringList present;
    for (const QString &f : candidates) {
        if (QFileInfo(f).isFile())
            present.append(f);
    }
    return present;
}

// Crafted files that claim far more than they hold, written to 'dir'.
QList<std::pair<QString, QString>> craftedFiles(const QString &dir)
{
    using namespace TestFonts;
    QList<Name> names = familyNames(QStringLiteral("Crafted"), QStringLiteral("Book"));
    names.append(windowsName(13, QString(30000, QLatin1Char('L'))));
    const QByteArray name = nameTable(names);
    QList<std::pair<QString, QString>> out;

    const std::uint32_t huge = 0xFFFFFF00;
    const QString sparse = writeFile(dir + QStringLiteral("/sparse.ttf"),
                                     sfnt({{"head", headTable()}, {"name", name, std::nullopt, huge}}));
    if (!sparse.isEmpty() && QFile::resize(sparse, 12 + 16 * 2 + 56 + qint64(huge)))
        out.append({QStringLiteral("sparse file, name table of 4 GB"), sparse});

    QList<Table> repeated = {{"head", headTable()}};
    for (int k = 0; k < 0xFFFD; ++k)
        repeated.append({"name", {}, 12 + 16 * 0xFFFF + 56, std::uint32_t(name.size())});
    repeated.append({"name", name});
    out.append({QStringLiteral("one name table listed 65,534 times"), writeFile(dir + QStringLiteral("/repeated.ttf"), sfnt(repeated))});

    // 64 MiB with 65,534 different name tables, 1 KiB apart: the walk must
    // look at each one's header.
    QList<Table> distinct = {{"head", headTable()}};
    const QByteArray small = nameTable(familyNames(QStringLiteral("Crafted"), QStringLiteral("Book")));
    for (std::uint32_t k = 0; k < 0xFFFE; ++k)
        distinct.append({"name", {}, 0x101000 + k * 1024, std::uint32_t(small.size())});
    QByteArray file = sfnt(distinct);
    file.resize(64 << 20, '\0');
    for (std::uint32_t k = 0; k < 0xFFFE; ++k)
        std::copy(small.begin(), small.end(), file.begin() + 0x101000 + k * 1024);
    out.append({QStringLiteral("64 MiB, 65,534 different name tables"), writeFile(dir + QStringLiteral("/distinct.ttf"), file)});
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    Bench::Verdicts goals;
    Bench::printLoad("at start");
    QStringList fonts = {
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
        QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"),
    };
    for (const QString &f : fonts) {
        if (!QFile::exists(f)) {
            std::fprintf(stderr, "missing %s (fonts-dejavu-core, fonts-droid-fallback)\n", qPrintable(f));
            return 1;
        }
    }
    const QStringList cjk = cjkFonts();
    if (cjk.isEmpty())
        goals.skip(QStringLiteral("inspect a large CJK font"),
                   QStringLiteral("none found: install fonts-noto-cjk or set GLYPHMUX_BENCH_CJK_FONTS"));
    fonts += cjk;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return 1;
    QFontDatabase::families(); // the font database is up before timing

    std::printf("\nper call, median [10th..90th percentile] of 300 calls, side by side\n");
    std::printf("%-30s %22s %12s %12s %22s %10s\n", "font", "inspector/FreeType", "inspector us", "FreeType us",
                "reading/FreeType", "peak KiB");
    std::size_t worstPeak = 0;
    for (const QString &f : fonts) {
        const QByteArray path = QFile::encodeName(f);
        // A font the system does not have would be registered by the
        // reader; there the reading alone is compared.
        const bool installed = [&] { FontFileReader probe; probe.setFontFile(f); return probe.isInstalled(); }();
        const auto t = Bench::timeCalls({[&] { if (installed) readAndFindFace(f); else readOnly(f); }, [&] { readOnly(f); },
                                         [&] { freeTypeReference(library, path); }}, 300);
        const Bench::Spread whole = Bench::spread(Bench::ratios(t[0], t[2]));
        const Bench::Spread reading = Bench::spread(Bench::ratios(t[1], t[2]));
        const std::size_t peak = peakBytes([&] { readOnly(f); });
        worstPeak = std::max(worstPeak, peak);
        const QString name = QFileInfo(f).fileName();
        std::printf("%-30s %6.2f [%4.2f..%4.2f]%s %12.1f %12.1f %8.2f [%4.2f..%4.2f] %10.1f\n", qPrintable(name),
                    whole.median, whole.low, whole.high, installed ? "  " : " *", Bench::spread(t[0]).median,
                    Bench::spread(t[2]).median, reading.median, reading.low, reading.high, double(peak) / 1024);
        goals.add(QStringLiteral("inspect %1 / FreeType").arg(name), whole.median, 0.35);
    }
    std::printf("  * not installed: the reading alone (the inspector would register the file)\n");
    FT_Done_FreeType(library);

    QTemporaryDir dir;
    std::printf("\ncrafted files, reading alone: median of 20 calls\n");
    for (const auto &[what, path] : craftedFiles(dir.path())) {
        const auto t = Bench::timeCalls({[&] { readOnly(path); }}, 20);
        const double ms = Bench::spread(t[0]).median / 1000;
        const std::size_t peak = peakBytes([&] { readOnly(path); });
        worstPeak = std::max(worstPeak, peak);
        std::printf("%-40s %8.2f ms %10.1f KiB peak\n", qPrintable(what), ms, double(peak) / 1024);
        goals.add(what + QStringLiteral(", ms"), ms, 10, "");
    }
    goals.add(QStringLiteral("peak extra memory of one inspection, MiB"), double(worstPeak) / (1 << 20), 16, "");

    // Font choice: a slot takes a file never seen before (a renamed DejaVu
    // Sans), letting go of its previous one; the reference registers another
    // such file with Qt, nothing else. Once with nothing else held, once
    // while four other slots hold large fonts (renamed Droid Sans Fallback).
    const int calls = 100;
    int made = 0;
    const auto renamedCopy = [&](const QString &source) {
        ++made;
        return TestFonts::writeRenamedFont(dir.path(), QStringLiteral("choice%1.ttf").arg(made),
                                           TestFonts::familyNames(QStringLiteral("Glyphmux Bench Face %1").arg(made),
                                                                  QStringLiteral("Book")), source);
    };
    std::vector<std::unique_ptr<FontFileReader>> others;
    for (const char *held : {"none held", "four large fonts held"}) {
        QStringList ours, reference;
        for (int i = 0; i <= calls; ++i) {
            ours.append(renamedCopy(TestFonts::dejaVuPath(QStringLiteral("DejaVuSans.ttf"))));
            reference.append(renamedCopy(TestFonts::dejaVuPath(QStringLiteral("DejaVuSans.ttf"))));
        }
        FontFileReader slot;
        int next = 0, nextReference = 0;
        const auto choice = Bench::timeCalls({
            [&] {
                slot.setFontFile(ours[next++]);
                sink = sink + std::size_t(slot.faceName().size());
            },
            [&] {
                sink = sink + std::size_t(QFontDatabase::addApplicationFont(reference[nextReference++]) + 1);
            }}, calls);
        const Bench::Spread r = Bench::spread(Bench::ratios(choice[0], choice[1]));
        std::printf("\nfont choice, %s: %.1f us; addApplicationFont alone: %.1f us; ratio %.2f [%.2f..%.2f]\n", held,
                    Bench::spread(choice[0]).median, Bench::spread(choice[1]).median, r.median, r.low, r.high);
        goals.add(QStringLiteral("font choice / addApplicationFont, %1").arg(QLatin1String(held)), r.median, 1.2);
        for (int i = 0; i < 4; ++i) {
            others.push_back(std::make_unique<FontFileReader>());
            others.back()->setFontFile(renamedCopy(QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf")));
        }
    }
    Bench::printLoad("at end");
    return goals.print();
}
