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
            if (auto face = FontFaces::faceOfPattern(pattern))
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
    auto face = FontFaces::faceOfPattern(pattern);
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
