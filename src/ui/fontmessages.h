#pragma once

#include "fonts/fontdetails.h"
#include "fonts/fontrefusal.h"

#include <QList>
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
// A face the computer cannot draw, and the family the preview draws in its
// place: the slot's warning mark, and anything else that must say so.
QString substitute(const QString &drawnFamily);
// One line of a font's details: the label's objectName, caption and value.
struct DetailRow {
    const char *name;
    QString caption;
    QString value;
};
// Every detail of a font file, in the order they are shown; a value that the
// file does not give is "-".
QList<DetailRow> detailRows(const FontDetails &details);
// The face field's tooltip: the same details, one per line.
QString faceTooltip(const FontDetails &details);

QString outlineKind(TrueType::OutlineKind kind);
QString origin(bool installed);
QString fileSize(qint64 bytes);

} // namespace FontMessages
