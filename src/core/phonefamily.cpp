#include "core/phonefamily.h"

QStringList engineLibraries(PhoneFamily family)
{
    QStringList names;
    if (family == PhoneFamily::Model6630)
        names << QStringLiteral("freetype.dll");
    names << QStringLiteral("glyphmux.dll");
    return names;
}

QString phonePath(const QString &relativePath)
{
    QString path = relativePath;
    return QStringLiteral("c:\\") + path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QStringList phoneCopyPaths(PhoneFamily family, const QStringList &fontNames)
{
    QStringList lines;
    for (const QString &library : engineLibraries(family))
        lines << phonePath(PhoneFolders::libraries() + QLatin1Char('/') + library);
    lines << phonePath(PhoneFolders::configuration());
    for (const QString &font : fontNames)
        lines << phonePath(PhoneFolders::fonts() + QLatin1Char('/') + font);
    return lines;
}
