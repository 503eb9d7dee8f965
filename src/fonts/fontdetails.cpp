#include "fonts/fontdetails.h"

#include "fonts/fontfilereader.h"

#include <QFileInfo>
#include <QRegularExpression>

QString firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")));
    return text.left(end).trimmed();
}

FontDetails fontDetails(const FontFileReader &reader)
{
    FontDetails d;
    d.faceName = reader.faceName();
    d.path = reader.fontFile();
    const QFileInfo info(d.path);
    if (!d.path.isEmpty() && info.isFile())
        d.fileSize = info.size();
    d.family = firstLine(reader.familyName());
    d.subfamily = firstLine(reader.subfamilyName());
    d.fullName = firstLine(reader.fullName());
    d.version = firstLine(reader.versionString());
    d.copyright = firstLine(reader.copyright());
    d.licence = firstLine(reader.licenseDescription());
    d.glyphCount = reader.glyphCount();
    d.outlines = reader.outlines();
    d.installed = reader.isInstalled();
    d.refusal = reader.refusal();
    return d;
}
