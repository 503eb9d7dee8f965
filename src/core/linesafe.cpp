#include "core/linesafe.h"

bool isLineBreaking(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029;
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
