#include "fonts/fontdetails.h"

#include "core/linesafe.h"
#include "fonts/fontfilereader.h"

#include <QFileInfo>

#include <algorithm>

QString firstLine(const QString &text)
{
    const auto end = std::find_if(text.cbegin(), text.cend(), isLineBreaking);
    return text.first(end - text.cbegin()).trimmed();
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
