#pragma once

#include "fonts/bytereader.h"
#include "fonts/truetypeparser.h"

#include <QString>

// Which characters a font file maps to no glyph, read from its "cmap" with
// the bounded reader: no font system involved, so a worker thread may ask.
namespace CmapCoverage {

// The characters of 'wanted' (each once, in order) that the file's Unicode
// character map does not give a glyph for. A file without a usable map
// (none, damaged, symbol-only) lacks them all.
QString missingCharacters(const ByteSource &source, const TrueType::TableSpan &cmap, const QString &wanted);

} // namespace CmapCoverage
