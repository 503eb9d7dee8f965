#include "fonts/fontfaces.h"

#ifdef GLYPHMUX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <cstring>

namespace {

QString patternString(FcPattern *pattern, const char *object, int index)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// The other family names of a pattern still name the same font.
void addPattern(FcPattern *pattern, FaceIndex &index)
{
    const std::optional<FontFace> found = FontFaces::faceOfPattern(pattern);
    if (!found)
        return;
    const FontFace &face = *found;
    for (int k = 0;; ++k) {
        const QString name = patternString(pattern, FC_FAMILY, k);
        if (name.isEmpty())
            break;
        QList<FontFace> &fonts = index[name];
        bool seen = false;
        for (const FontFace &f : fonts)
            seen = seen || (f.family == face.family && f.style == face.style);
        if (!seen)
            fonts.append(face);
    }
}

} // namespace

namespace FontFaces {

bool available()
{
    return true;
}

std::optional<FontFace> faceOfPattern(FcPattern *pattern)
{
    FontFace face;
    face.family = patternString(pattern, FC_FAMILY, 0);
    if (face.family.isEmpty())
        return std::nullopt;
    face.style = patternString(pattern, FC_STYLE, 0);
    int weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight) == FcResultMatch)
        face.weight = FcWeightToOpenType(weight);
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetInteger(pattern, FC_SLANT, 0, &slant) == FcResultMatch)
        face.italic = slant != FC_SLANT_ROMAN;
    return face;
}

FaceIndex systemFaces()
{
    FaceIndex index;
    if (FcFontSet *set = FcConfigGetFonts(nullptr, FcSetSystem)) {
        for (int i = 0; i < set->nfont; ++i)
            addPattern(set->fonts[i], index);
    }
    return index;
}

FaceIndex applicationFileFaces(const QString &path)
{
    // Qt adds each application font to fontconfig's application set under
    // the path it was given, after the fonts added before: look from the
    // end, where the file just registered is, so that the cost does not grow
    // with the files registered earlier.
    FaceIndex index;
    const QByteArray file = path.toUtf8();
    FcFontSet *set = FcConfigGetFonts(nullptr, FcSetApplication);
    if (!set)
        return index;
    const auto isOfFile = [&](FcPattern *pattern) {
        FcChar8 *value = nullptr;
        return FcPatternGetString(pattern, FC_FILE, 0, &value) == FcResultMatch
            && std::strcmp(reinterpret_cast<const char *>(value), file.constData()) == 0;
    };
    int first = set->nfont;
    while (first > 0 && isOfFile(set->fonts[first - 1]))
        --first;
    if (first < set->nfont) {
        for (int i = first; i < set->nfont; ++i)
            addPattern(set->fonts[i], index);
        return index;
    }
    for (int i = 0; i < set->nfont; ++i) {
        if (isOfFile(set->fonts[i]))
            addPattern(set->fonts[i], index);
    }
    return index;
}

} // namespace FontFaces

#else

namespace FontFaces {

bool available()
{
    return false;
}

FaceIndex systemFaces()
{
    return {};
}

FaceIndex applicationFileFaces(const QString &)
{
    return {};
}

} // namespace FontFaces

#endif
