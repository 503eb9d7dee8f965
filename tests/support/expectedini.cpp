#include "support/expectedini.h"

QStringList expectedIniLines(const QStringList &slotLines, const QStringList &aliasLines, const QString &zoom,
                             const QString &chroma, const QString &fontPath)
{
    QStringList lines = {
        QStringLiteral(";**************Glyphmux GUI 1.2.4*****************"),
        QStringLiteral("[Global]"),
        QStringLiteral("Enable=1"),
        QStringLiteral("Nativefont=0"),
        QStringLiteral("LogLevel=5"),
        QStringLiteral("ForceAntiAliased=4"),
        QStringLiteral("ZoomRatio=") + zoom,
        QStringLiteral("Chroma=") + chroma,
        QStringLiteral("ExtraFontFile=") + fontPath,
        QStringLiteral(";*******************************"),
        QStringLiteral("[FontMap]"),
    };
    lines << slotLines << QStringLiteral(";*******************************") << aliasLines
          << QStringLiteral(";*******************************");
    return lines;
}

QStringList plainAliasLines(const QString &face)
{
    const char *names[] = {"Alp13=%1@13",  "Alp17=%1@17",   "Alb17=%1@17",   "Alpi12=%1@12", "Alpi13=%1@13",
                           "Alpi17=%1@17", "Albi12=%1@12",  "Albi13=%1@13",  "Albi17b=%1@17", "Aco13=%1@13",
                           "Acalc21=%1@21", "Acb14=%1@14", "Acb30=%1@30", "Acp5=%1@5"};
    QStringList lines;
    for (const char *pattern : names)
        lines << QString::fromLatin1(pattern).arg(face);
    return lines;
}

QByteArray utf16FileBytes(const QStringList &lines)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString &line : lines) {
        const QString withEnd = line + QStringLiteral("\r\n");
        for (QChar c : withEnd) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
    }
    return bytes;
}
