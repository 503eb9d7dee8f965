// Finding the files of five faces when a Glyphmux.ini is opened: two in the
// file's own folder (six fonts there, read with the bounded reader) and
// three among about 400 installed fonts (fontconfig's list of this computer,
// repeated under other names up to 400), the real list taken each time too.
// Against a reference in the same run: reading one font file for a slot's
// open button. The budget is 50 ms; its goal is that time over the reference.
#include "measure.h"

#include "fonts/fontfilereader.h"
#include "fonts/fontfinder.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString dejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    QTemporaryDir dir;
    const QStringList copies = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf",
                                "DejaVuSansMono.ttf", "DejaVuSans-ExtraLight.ttf"};
    for (const QString &name : copies)
        QFile::copy(dejaVu + name, dir.filePath(name));

    const std::vector<FontFinder::Candidate> real = FontFinder::installedFonts();
    std::vector<FontFinder::Candidate> installed;
    for (int round = 0; !real.empty() && installed.size() < 400; ++round) {
        for (FontFinder::Candidate font : real) {
            if (round > 0) {
                for (QString &name : font.names)
                    name += QStringLiteral(" %1").arg(round);
            }
            if (installed.size() < 400)
                installed.push_back(font);
        }
    }
    FontFinder::Search search;
    search.iniPath = dir.filePath(QStringLiteral("Glyphmux.ini"));
    const auto installedName = [&](std::size_t at) { return installed[std::min(at, installed.size() - 1)].names.value(0); };
    search.faces = {"DejaVu Sans", "DejaVu Serif", installedName(100), "No Such Face", installedName(390)};

    int found = 0;
    const auto resolve = [&] {
        FontFinder::installedFonts(); // the real listing's cost, each time
        const auto result = FontFinder::find(search, &installed);
        found = int(std::count_if(result.begin(), result.end(), [](const FontFinder::Found &f) {
                    return f.place != FontFinder::Place::None;
                }));
    };
    const auto chooseOne = [&] {
        FontFileReader reader;
        reader.setFontFile(dir.filePath(QStringLiteral("DejaVuSans.ttf")));
    };
    Bench::printLoad("before");
    const auto times = Bench::timeCalls({resolve, chooseOne}, 30);
    Bench::printLoad("after");
    const Bench::Spread resolveUs = Bench::spread(times[0]), referenceUs = Bench::spread(times[1]);
    const Bench::Spread ratio = Bench::spread(Bench::ratios(times[0], times[1]));
    std::printf("%zu installed fonts listed, %d of 5 faces found\n", installed.size(), found);
    std::printf("five faces: %.0f us (%.0f-%.0f); one font read for a slot: %.0f us (%.0f-%.0f)\n", resolveUs.median,
                resolveUs.low, resolveUs.high, referenceUs.median, referenceUs.low, referenceUs.high);
    std::printf("ratio %.2f (%.2f-%.2f)\n", ratio.median, ratio.low, ratio.high);
    Bench::Verdicts verdicts;
    verdicts.add(QStringLiteral("five faces found / one font read (50 ms budget)"), ratio.median,
                 referenceUs.median > 0 ? 50000.0 / referenceUs.median : 0);
    return verdicts.print();
}
