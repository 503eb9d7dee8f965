#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// One font as Qt lists it (its family and style), with what is needed to
// choose between fonts that share a family name.
struct FontFace
{
    QString family;  // Qt's family for the font
    QString style;   // Qt's style name within that family ("" when unknown)
    int weight = 400; // OpenType scale, like QFont::Weight
    bool italic = false;
};

// Every family name a font is known by (a file may carry several, e.g. its
// typographic family and its name ID 1 family), mapped to the fonts.
using FaceIndex = QHash<QString, QList<FontFace>>;

#ifdef GLYPHMUX_HAVE_FONTCONFIG
typedef struct _FcPattern FcPattern; // as fontconfig declares it
#endif

namespace FontFaces {

// True when the font system can tell every family name of its fonts; the
// functions below then answer. Otherwise callers use Qt's family list.
bool available();

// The fonts installed on the system, by every family name.
FaceIndex systemFaces();

// The fonts of 'path' that Qt has just registered as an application font.
// Empty when the font system does not list them.
FaceIndex applicationFileFaces(const QString &path);

#ifdef GLYPHMUX_HAVE_FONTCONFIG
// The font a fontconfig pattern describes, as Qt names it: by the pattern's
// first family and style. Empty when it has no family.
std::optional<FontFace> faceOfPattern(::FcPattern *pattern);
#endif

} // namespace FontFaces
