#pragma once

#include "fonts/fontdetails.h"
#include "fonts/fontrefusal.h"

#include <QString>

// The sentences about a slot's font file, in the user's language.
namespace FontMessages {

// "<file>: <why no face came from it>"; empty for FontRefusal::None.
QString refusal(FontRefusal reason, const QString &path);
// The warning for a file whose outlines the phone may not draw; empty when
// there is nothing to warn about.
QString outlineWarning(const FontDetails &details);
// The characters one by one, a space between them.
QString spaced(const QString &characters);
// "manca: é à ò ù"; empty when nothing is missing.
QString missing(const QString &characters);
// The face field's tooltip: file, name, version and where the face comes from.
QString faceTooltip(const FontDetails &details);

QString outlineKind(TrueType::OutlineKind kind);
QString origin(bool installed);
QString fileSize(qint64 bytes);

} // namespace FontMessages
