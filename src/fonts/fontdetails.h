#pragma once

#include "fonts/fontrefusal.h"
#include "fonts/truetypeparser.h"

#include <QString>

#include <optional>

class FontFileReader;

// Who the font of a slot is, as the details window and the face field's
// tooltip show it. Long name strings are cut to their first line.
struct FontDetails {
    QString faceName;         // the face name the file gave (empty: none)
    QString path;
    std::optional<qint64> fileSize;
    QString family, subfamily, fullName, version, copyright, licence;
    std::optional<int> glyphCount;
    TrueType::OutlineKind outlines = TrueType::OutlineKind::Unknown;
    bool installed = false;   // the system had the face before this program
    FontRefusal refusal = FontRefusal::NotFound;
};

FontDetails fontDetails(const FontFileReader &reader);

// The text up to its first line break, without blanks around it.
QString firstLine(const QString &text);
