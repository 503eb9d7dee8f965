#include "fonts/fontdetails.h"

#include "fonts/fontfilereader.h"

#include <QFileInfo>
#include <QRegularExpression>

QString firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")));
    return text.left(end).trimmed();
}

FontDetails fontDetails(const FontFileReader &inspector)
{
    FontDetails d;
    d.faceName = inspector.FaceName();
    d.path = inspector.FontFile();
    const QFileInfo info(d.path);
    if (!d.path.isEmpty() && info.isFile())
        d.fileSize = info.size();
    d.family = firstLine(inspector.FamilyName());
    d.subfamily = firstLine(inspector.SubFamilyName());
    d.fullName = firstLine(inspector.FullName());
    d.version = firstLine(inspector.VersionString());
    d.copyright = firstLine(inspector.Copyright());
    d.licence = firstLine(inspector.LicenseDescription());
    d.glyphCount = inspector.GlyphCount();
    d.outlines = inspector.Outlines();
    d.installed = inspector.Installed();
    d.refusal = inspector.Refusal();
    return d;
}
