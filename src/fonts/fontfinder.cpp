#include "fonts/fontfinder.h"

#include "core/localpath.h"

#include "fonts/bytereader.h"
#include "fonts/fontnames.h"
#include "fonts/fontrefusal.h"
#include "fonts/truetypeparser.h"
#include "fonts/windowslocale.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>

#ifdef GLYPHMUX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontFinder {
namespace {

// A folder holding more files than this is read no further: a font folder
// is seldom that large, and opening a file must not stall on one.
constexpr int maxFilesPerFolder = 400;

bool isCollectionName(const QString &path)
{
    return path.endsWith(QStringLiteral(".ttc"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral(".otc"), Qt::CaseInsensitive);
}

bool isRegularStyle(const QString &subfamily)
{
    for (const char *name : {"Regular", "Book", "Normal", "Roman", "Standard"}) {
        if (subfamily.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The best file for 'face' among 'fonts', with how many gave it.
Found best(const std::vector<Candidate> &fonts, const QString &face, Place place)
{
    const Candidate *winner = nullptr;
    Found found;
    for (const Candidate &font : fonts) {
        if (!answersTo(font, face))
            continue;
        ++found.candidates;
        const auto rank = [](const Candidate &c) {
            return std::make_tuple(!c.regular, QFileInfo(c.file).fileName(), c.file);
        };
        if (!winner || rank(font) < rank(*winner))
            winner = &font;
    }
    if (winner) {
        found.file = winner->file;
        found.place = place;
    }
    return found;
}

#ifdef GLYPHMUX_HAVE_FONTCONFIG
QStringList patternStrings(FcPattern *pattern, const char *object)
{
    QStringList values;
    FcChar8 *value = nullptr;
    for (int k = 0; FcPatternGetString(pattern, object, k, &value) == FcResultMatch && value; ++k)
        values << QString::fromUtf8(reinterpret_cast<const char *>(value));
    return values;
}

int patternInt(FcPattern *pattern, const char *object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}
#endif

} // namespace

bool answersTo(const Candidate &font, const QString &face)
{
    return std::any_of(font.names.begin(), font.names.end(),
                       [&](const QString &name) { return sameFontconfigName(name, face); });
}

std::optional<Candidate> readCandidate(const QString &path)
{
    const FileSource source(path);
    if (!source.isOpen())
        return std::nullopt;
    const TrueType::FontTables tables = TrueType::readFontTables(source);
    if (!tables.complete || tables.sfntVersion == collectionTag || !tables.names)
        return std::nullopt;
    static const std::uint32_t locale = windowsLocaleId(QLocale::system());
    const auto name = [&](std::uint16_t id) { return TrueType::nameString(*tables.names, id, locale); };
    const QString family = name(TrueType::FamilyId);
    const QString subfamily = name(TrueType::SubfamilyId);
    Candidate font;
    font.file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const QString &n : {family, family + QLatin1Char(' ') + subfamily, name(TrueType::FullNameId)}) {
        if (!n.trimmed().isEmpty())
            font.names << n;
    }
    if (font.names.isEmpty())
        return std::nullopt;
    // The style's name says it; without one, fsSelection's REGULAR bit (6).
    font.regular = subfamily.isEmpty() ? tables.fsSelection && TrueType::isBitSet(*tables.fsSelection, 6)
                                       : isRegularStyle(subfamily);
    return font;
}

std::vector<Candidate> folderFonts(const QString &folder)
{
    std::vector<Candidate> fonts;
    if (folder.isEmpty())
        return fonts;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")},
                                            QDir::Files | QDir::Readable, QDir::Name);
    int read = 0;
    for (const QString &name : names) {
        if (++read > maxFilesPerFolder)
            break;
        if (std::optional<Candidate> font = readCandidate(dir.filePath(name)))
            fonts.push_back(std::move(*font));
    }
    return fonts;
}

std::vector<Candidate> installedFonts()
{
    std::vector<Candidate> fonts;
#ifdef GLYPHMUX_HAVE_FONTCONFIG
    FcConfig *config = FcConfigGetCurrent();
    FcFontSet *system = FcConfigGetFonts(config, FcSetSystem);
    if (!system)
        return fonts;
    FcPattern *any = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_FULLNAME, FC_WEIGHT, FC_SLANT,
                                            FC_WIDTH, FC_FONTFORMAT, nullptr);
    // The system's fonts only: the files this program registered are not installed.
    FcFontSet *sets[] = {system};
    FcFontSet *list = FcFontSetList(config, sets, 1, any, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(any);
    for (int i = 0; list && i < list->nfont; ++i) {
        FcPattern *pattern = list->fonts[i];
        const QStringList file = patternStrings(pattern, FC_FILE);
        const QStringList format = patternStrings(pattern, FC_FONTFORMAT);
        if (file.isEmpty() || patternInt(pattern, FC_INDEX, 0) != 0 || isCollectionName(file.first())
            || (format.value(0) != QLatin1String("TrueType") && format.value(0) != QLatin1String("CFF")))
            continue;
        Candidate font;
        font.file = file.first();
        font.names = patternStrings(pattern, FC_FAMILY) + patternStrings(pattern, FC_FULLNAME);
        const int weight = patternInt(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        font.regular = patternInt(pattern, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN && weight >= FC_WEIGHT_BOOK
                    && weight < FC_WEIGHT_MEDIUM && patternInt(pattern, FC_WIDTH, FC_WIDTH_NORMAL) == FC_WIDTH_NORMAL;
        fonts.push_back(std::move(font));
    }
    if (list)
        FcFontSetDestroy(list);
#endif
    return fonts;
}

std::array<Found, SlotCount> find(const Search &search, const std::vector<Candidate> *installed)
{
    std::array<Found, SlotCount> found;
    // The folders in the order they are searched, each once. Fonts go to
    // Qt by name, so a folder whose name Qt cannot spell exactly is passed by.
    std::vector<std::pair<QString, Place>> folders;
    const QString iniFolder = search.iniPath.isEmpty() ? absoluteNativePath(QStringLiteral("."))
                                                       : QFileInfo(absoluteNativePath(search.iniPath)).path();
    if (isLosslessPath(iniFolder))
        folders = {{iniFolder, Place::IniFolder}, {iniFolder + QStringLiteral("/data/fonts"), Place::DataFonts}};
    for (const QString &folder : search.fontFolders)
        folders.emplace_back(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()), Place::FontFolder);
    QHash<QString, std::vector<Candidate>> read; // each folder read once, when first needed
    std::optional<std::vector<Candidate>> listed;

    for (std::size_t i = 0; i < SlotCount; ++i) {
        const QString &face = search.faces[i];
        if (face.trimmed().isEmpty())
            continue;
        const QString &remembered = search.remembered[i];
        if (!remembered.isEmpty()) {
            const std::optional<Candidate> font = readCandidate(remembered);
            if (font && answersTo(*font, face)) {
                found[i] = Found{font->file, Place::Remembered, 1};
                continue;
            }
        }
        QStringList searched;
        for (const auto &[folder, place] : folders) {
            if (searched.contains(folder))
                continue;
            searched << folder;
            if (!read.contains(folder))
                read.insert(folder, folderFonts(folder));
            found[i] = best(read[folder], face, place);
            if (found[i].place != Place::None)
                break;
        }
        if (found[i].place != Place::None)
            continue;
        if (!installed) {
            if (!listed)
                listed = installedFonts();
            installed = &*listed;
        }
        found[i] = best(*installed, face, Place::Installed);
    }
    return found;
}

} // namespace FontFinder
