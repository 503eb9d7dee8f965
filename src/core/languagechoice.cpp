#include "core/languagechoice.h"

#include <QFileInfo>

const std::array<ShippedLanguage, 5> &shippedLanguages()
{
    static const std::array<ShippedLanguage, 5> table = {{
        {"Italiano.lng", "it"},
        {"English.lng", "en"},
        {"Deutsch.lng", "de"},
        {"Francais.lng", "fr"},
        {"Espanol.lng", "es"},
    }};
    return table;
}

QString languageCodeOfFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    for (const ShippedLanguage &language : shippedLanguages()) {
        if (name.compare(QLatin1String(language.fileName), Qt::CaseInsensitive) == 0)
            return QLatin1String(language.code);
    }
    return {};
}

QString shippedFileForSystem(const QString &localeName, const QStringList &uiLanguages)
{
    // The C locale means "no language": the list may still carry LANGUAGE's
    // entries, which the C library ignores there too.
    if (localeName.isEmpty() || localeName == QLatin1String("C") || localeName == QLatin1String("POSIX"))
        return {};
    for (const QString &tag : uiLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        for (const ShippedLanguage &shipped : shippedLanguages()) {
            if (language == QLatin1String(shipped.code))
                return QLatin1String(shipped.fileName);
        }
    }
    return {};
}

QString translationFileName(const QString &code)
{
    return QStringLiteral("glyphmux_%1.qm").arg(code);
}

QString qtTranslationFileName(const QString &code)
{
    return QStringLiteral("qtbase_%1.qm").arg(code);
}
