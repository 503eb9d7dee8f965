#include "ui/main/openfonts.h"

#include "core/localpath.h"
#include "core/fontfilememory.h"
#include "core/fontmap.h"
#include "fonts/fontfinder.h"

#include <QCoreApplication>
#include <QDir>

namespace OpenFonts {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OpenFonts)
};

QString placeText(FontFinder::Place place)
{
    switch (place) {
    case FontFinder::Place::Remembered:
        return Text::tr("the file it came from when this configuration was last saved or exported");
    case FontFinder::Place::IniFolder:
        return Text::tr("the configuration's own folder");
    case FontFinder::Place::DataFonts:
        return Text::tr("data/fonts beside the configuration");
    case FontFinder::Place::FontFolder:
        return Text::tr("a folder fonts were last taken from");
    case FontFinder::Place::Installed:
        return Text::tr("the fonts installed on this computer");
    case FontFinder::Place::None:
        break;
    }
    return {};
}

} // namespace

Report findFiles(FontMap &map, const QString &iniPath, const FontFileMemory &memory)
{
    FontFinder::Search search;
    search.iniPath = iniPath;
    search.remembered = memory.filesOf(iniPath);
    search.fontFolders = memory.fontFolders();
    for (std::size_t i = 0; i < SlotCount; ++i)
        search.faces[i] = map.slotValues[i].face;
    const auto found = FontFinder::find(search);

    Report report;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const QString &face = map.slotValues[i].face;
        map.slotValues[i].file = found[i].file;
        if (face.trimmed().isEmpty())
            continue;
        const QString slot = QLatin1String(slotTable()[i].key);
        if (found[i].place == FontFinder::Place::None) {
            report.notable = true;
            //: %1 is a slot name, %2 a face name.
            report.lines << Text::tr("%1 \"%2\": no font file found for this face").arg(slot, face);
            continue;
        }
        //: %1 is a slot name, %2 a face name, %3 a place, %4 a file.
        QString line = Text::tr("%1 \"%2\": %4, found in %3")
                           .arg(slot, face, placeText(found[i].place), QDir::toNativeSeparators(found[i].file));
        if (found[i].candidates > 1) {
            report.notable = true;
            line += QLatin1Char(' ')
                  + Text::tr("(a guess: %n files there give this face; the Regular style was taken, else the "
                             "first by file name)", nullptr, found[i].candidates);
        }
        report.lines << line;
    }
    return report;
}

QString heading(const QString &iniPath)
{
    return Text::tr("%1 is open. The font files of its faces:").arg(readablePath(iniPath));
}

} // namespace OpenFonts
