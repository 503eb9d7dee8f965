#pragma once

#include <QString>

class QRawFont;

// Which characters a font cannot draw. The phone's engine has no fallback
// font: a character missing from the chosen face is missing on the phone,
// even where the desktop preview quietly borrows it from another font.
namespace FontCoverage {

// The characters of 'text' that 'font' has no glyph for, each once, in the
// order they first appear. Blanks and control characters are not counted.
QString missingCharacters(const QRawFont &font, const QString &text);

// The letters with accents that texts in a language need, lower and upper
// case, for the languages the editor ships ("it", "fr", "de", "es"); empty
// for any other code (English needs none).
QString languageLetters(const QString &languageCode);

} // namespace FontCoverage
