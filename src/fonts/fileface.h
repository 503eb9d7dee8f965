#pragma once

#include "fonts/fontfaces.h"

#include <QFont>
#include <QString>

#include <optional>

// The one font inside a font file, as the font system lists it. A label
// drawn with it shows that file's own outlines, which is what the phone
// loads, instead of whichever member of the family Qt would pick by name.
namespace FileFace {

// The font that Qt lists for the file at 'path' (an installed font or one
// this program registered). Empty when the file is not listed.
std::optional<FontFace> find(const QString &path);

// Makes 'font' resolve to exactly 'face', keeping its size and its bold and
// italic requests: Qt then synthesises bold or slant only where the face
// itself is lighter or upright.
void apply(QFont &font, const FontFace &face);

} // namespace FileFace
