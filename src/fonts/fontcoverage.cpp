#include "fonts/fontcoverage.h"

#include <QRawFont>
#include <QSet>

namespace FontCoverage {

QString missingCharacters(const QRawFont &font, const QString &text)
{
    QString missing;
    QSet<char32_t> seen;
    for (const char32_t c : QStringView(text).toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Control || category == QChar::Other_Format
            || seen.contains(c))
            continue;
        seen.insert(c);
        if (!font.isValid() || !font.supportsCharacter(c))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

QString languageLetters(const QString &languageCode)
{
    struct Letters { const char *code; const char16_t *letters; };
    static const Letters table[] = {
        {"it", u"àèéìòùÀÈÉÌÒÙ"},
        {"fr", u"àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ"},
        {"de", u"äöüßÄÖÜ"},
        {"es", u"áéíñóúü¿¡ÁÉÍÑÓÚÜ"},
    };
    for (const Letters &l : table) {
        if (languageCode == QLatin1String(l.code))
            return QString::fromUtf16(l.letters);
    }
    return QString();
}

} // namespace FontCoverage
