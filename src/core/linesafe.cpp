#include "core/linesafe.h"

bool isLineBreaking(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

QString withoutLineBreaks(const QString &text)
{
    QString out = text;
    out.removeIf(isLineBreaking);
    return out;
}

QString onOneLine(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (isLineBreaking(c))
            c = QLatin1Char(' ');
    }
    return out;
}
