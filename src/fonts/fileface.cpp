#include "fonts/fileface.h"

#include <QFile>
#include <QFileInfo>
#include <QRawFont>

#ifdef GLYPHMUX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FileFace {
namespace {

#ifdef GLYPHMUX_HAVE_FONTCONFIG
QString patternString(FcPattern *pattern, const char *object)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// Qt names a font by the first family and style of its pattern.
std::optional<FontFace> faceOfPattern(FcPattern *pattern)
{
    FontFace face;
    face.family = patternString(pattern, FC_FAMILY);
    face.style = patternString(pattern, FC_STYLE);
    int weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight) == FcResultMatch)
        face.weight = FcWeightToOpenType(weight);
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetInteger(pattern, FC_SLANT, 0, &slant) == FcResultMatch)
        face.italic = slant != FC_SLANT_ROMAN;
    if (face.family.isEmpty())
        return std::nullopt;
    return face;
}

std::optional<FontFace> fromFontconfig(const QString &path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    const QString fileName = QFileInfo(path).fileName();
    for (const FcSetName setName : {FcSetApplication, FcSetSystem}) {
        FcFontSet *set = FcConfigGetFonts(nullptr, setName);
        for (int i = 0; set && i < set->nfont; ++i) {
            FcPattern *pattern = set->fonts[i];
            const QString file = patternString(pattern, FC_FILE);
            // Compare names first: resolving every listed path would be slow.
            if (!file.endsWith(fileName) || QFileInfo(file).canonicalFilePath() != wanted)
                continue;
            int index = 0;
            if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) == FcResultMatch && index != 0)
                continue;
            if (auto face = faceOfPattern(pattern))
                return face;
        }
    }
    // A copy of an installed font, kept elsewhere, is not registered: the
    // system's font of the same family and style draws it.
    int count = 0;
    const QByteArray file = QFile::encodeName(path);
    FcPattern *pattern = FcFreeTypeQuery(reinterpret_cast<const FcChar8 *>(file.constData()), 0, nullptr, &count);
    if (!pattern)
        return std::nullopt;
    auto face = faceOfPattern(pattern);
    FcPatternDestroy(pattern);
    return face;
}
#endif

} // namespace

std::optional<FontFace> find(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
#ifdef GLYPHMUX_HAVE_FONTCONFIG
    return fromFontconfig(path);
#else
    // Elsewhere Qt's database takes its names from the file itself.
    const QRawFont raw(path, 12);
    if (!raw.isValid())
        return std::nullopt;
    return FontFace{raw.familyName(), raw.styleName(), raw.weight(), raw.style() != QFont::StyleNormal};
#endif
}

void apply(QFont &font, const FontFace &face)
{
    font.setFamily(face.family);
    font.setStyleName(face.style);
}

} // namespace FileFace
