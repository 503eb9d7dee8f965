#include "support/expectedini.h"

QStringList expectedIniLines(const QStringList &slotLines, const QStringList &aliasLines, const QString &zoom,
                             const QString &chroma, const QString &fontPath)
{
    const QString rule = QStringLiteral(";*******************************");
    return QStringList{";**************Glyphmux GUI 1.2.4*****************", "[Global]", "Enable=1", "Nativefont=0",
                       "LogLevel=5", "ForceAntiAliased=4", "ZoomRatio=" + zoom, "Chroma=" + chroma,
                       "ExtraFontFile=" + fontPath, rule, "[FontMap]"}
        + slotLines + QStringList{rule} + aliasLines + QStringList{rule};
}

QStringList plainAliasLines(const QString &face)
{
    QStringList lines;
    for (const QString &alias : QStringLiteral("Alp13@13 Alp17@17 Alb17@17 Alpi12@12 Alpi13@13 Alpi17@17 Albi12@12 "
                                               "Albi13@13 Albi17b@17 Aco13@13 Acalc21@21 Acb14@14 Acb30@30 Acp5@5")
                                    .split(u' '))
        lines << QString(alias).replace(u'@', u'=' + face + u'@');
    return lines;
}

QByteArray utf16FileBytes(const QStringList &lines)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}
