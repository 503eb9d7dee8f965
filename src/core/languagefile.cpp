#include "core/languagefile.h"

QStringList splitLanguageFields(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('|'));
}
