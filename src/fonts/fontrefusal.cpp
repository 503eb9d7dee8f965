#include "fonts/fontrefusal.h"

FontRefusal refusalOf(const FontFileFacts &facts)
{
    if (facts.hasFace)
        return FontRefusal::None;
    switch (facts.kind) {
    case FontFileFacts::Kind::Missing:
        return FontRefusal::NotFound;
    case FontFileFacts::Kind::NotRegular:
        return FontRefusal::NotRegularFile;
    case FontFileFacts::Kind::Regular:
        break;
    }
    if (facts.sfntVersion == collectionTag)
        return FontRefusal::Collection;
    if (!facts.validTrueType)
        return FontRefusal::NotTrueType;
    if (!facts.complete)
        return FontRefusal::DamagedTable;
    return FontRefusal::NoUsableName;
}
