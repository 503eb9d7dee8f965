#include "fonts/fontnames.h"

#include <QList>
#include <QString>

#ifdef GLYPHMUX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <cstdlib>
#endif

QByteArray fontconfigNameKey(QStringView name)
{
    QString kept = name.toString();
    kept.remove(QLatin1Char(' '));
#ifdef GLYPHMUX_HAVE_FONTCONFIG
    // fontconfig's own case folding (full folding from its Unicode tables:
    // "ß" is "ss"), so that the answer is the installed fontconfig's. It
    // reads C strings: each part between NULs is folded on its own.
    QByteArray key;
    const QList<QByteArray> parts = kept.toUtf8().split('\0');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            key += '\0';
        if (FcChar8 *folded = FcStrDowncase(reinterpret_cast<const FcChar8 *>(parts[i].constData()))) {
            key += reinterpret_cast<const char *>(folded);
            std::free(folded);
        }
    }
    return key;
#else
    return kept.toCaseFolded().toUtf8();
#endif
}

bool sameFontconfigName(QStringView a, QStringView b)
{
    return fontconfigNameKey(a) == fontconfigNameKey(b);
}
