// How fast the inspector reads a font, measured side by side with FreeType
// reading the same things (face, every name record, head and OS/2), and how
// much a whole font choice (inspect, register, find the face) costs over
// registering the file alone. Prints the ratios last.
#include "fonts/fontfileinspector.h"
#include "fonts/truetypeparser.h"
#include "support/truetypebuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

volatile std::size_t sink = 0; // keeps the work from being optimised away

// Median time of one call, in microseconds, over rounds of 'perRound' calls.
// The candidates run round by round in turn, so both see the same machine.
std::vector<double> timeSideBySide(const std::vector<std::function<void()>> &candidates, int perRound, int rounds = 15)
{
    std::vector<std::vector<double>> samples(candidates.size());
    for (const auto &run : candidates) // warm the caches
        for (int i = 0; i < perRound; ++i)
            run();
    QElapsedTimer timer;
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            timer.start();
            for (int i = 0; i < perRound; ++i)
                candidates[c]();
            samples[c].push_back(double(timer.nsecsElapsed()) / 1000.0 / perRound);
        }
    }
    std::vector<double> medians;
    for (auto &s : samples) {
        std::sort(s.begin(), s.end());
        medians.push_back(s[s.size() / 2]);
    }
    return medians;
}

void inspect(const QString &path)
{
    FontFileInspector insp;
    insp.setFontFile(path);
    std::size_t n = insp.FaceName().size() + insp.Copyright().size() + insp.FamilyName().size()
        + insp.SubFamilyName().size() + insp.UniqueIdentifier().size() + insp.FullName().size()
        + insp.VersionString().size() + insp.PostscriptName().size() + insp.Trademark().size();
    n += insp.Bold() + insp.Italic() + insp.Underlined() + insp.StrikeOut() + insp.ValidTrueTypeFile();
    sink = sink + n;
}

void parseOnly(const QString &path)
{
    const FileSource source(path);
    const TrueType::FontTables t = TrueType::readFontTables(source);
    std::size_t n = t.fsSelection.value_or(0);
    if (t.names) {
        for (std::uint16_t id = 0; id <= 7; ++id)
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

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString fonts[] = {
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
        QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"),
    };
    for (const QString &f : fonts) {
        if (!QFile::exists(f)) {
            std::fprintf(stderr, "missing %s (fonts-dejavu-core, fonts-droid-fallback)\n", qPrintable(f));
            return 1;
        }
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return 1;

    std::printf("%-28s %14s %14s %14s %8s\n", "font", "inspector us", "parse only us", "FreeType us", "ratio");
    QString ratios;
    for (const QString &f : fonts) {
        const QByteArray path = QFile::encodeName(f);
        const auto t = timeSideBySide({[&] { inspect(f); }, [&] { parseOnly(f); },
                                       [&] { freeTypeReference(library, path); }}, 200);
        const QString name = f.section(QLatin1Char('/'), -1);
        std::printf("%-28s %14.1f %14.1f %14.1f %8.2f\n", qPrintable(name), t[0], t[1], t[2], t[0] / t[2]);
        ratios += QStringLiteral("  %1 %2").arg(name).arg(t[0] / t[2], 0, 'f', 2);
    }
    FT_Done_FreeType(library);

    // A face the system does not know: a renamed DejaVu Sans.
    QTemporaryDir dir;
    const QString unknown = TestFonts::writeRenamedFont(
        dir.path(), QStringLiteral("bench.ttf"),
        TestFonts::familyNames(QStringLiteral("Glyphmux Bench Face"), QStringLiteral("Book")));
    if (unknown.isEmpty())
        return 1;
    QFontDatabase::families(); // the font database is up before timing
    const auto choice = timeSideBySide({
        [&] {
            FontFileInspector insp;
            insp.setFontFile(unknown);
            sink = sink + std::size_t(insp.FaceName().size());
        },
        [&] {
            const int id = QFontDatabase::addApplicationFont(unknown);
            QFontDatabase::removeApplicationFont(id);
            sink = sink + std::size_t(id + 1);
        }}, 20);
    std::printf("\nfont choice (inspect, register, find face, release): %.1f us; "
                "addApplicationFont + remove alone: %.1f us\n", choice[0], choice[1]);
    std::printf("ratio font choice / addApplicationFont: %.2f (goal <= 1.20)\n", choice[0] / choice[1]);
    std::printf("ratio inspector / FreeType (goal <= 0.50):%s\n", qPrintable(ratios));
    return 0;
}
