#include "fonts/substitutefont.h"

#include "fonts/fontnames.h"

#include <QFont>
#include <QFontInfo>

QString substituteFamily(const QFont &font)
{
    const QFontInfo drawn(font);
    const bool sameFamily = sameFontconfigName(drawn.family(), font.family());
    const bool sameStyle = font.styleName().isEmpty() || sameFontconfigName(drawn.styleName(), font.styleName());
    return sameFamily && sameStyle ? QString() : drawn.family();
}
