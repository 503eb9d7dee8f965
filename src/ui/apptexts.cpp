#include "ui/apptexts.h"

#include "appversion.h"

namespace AppTexts {

QString programName()
{
    return QStringLiteral("Glyphmux GUI");
}

QString nameAndVersion()
{
    return programName() + QLatin1Char(' ') + QLatin1String(AppVersion::text);
}

QString contactAddress()
{
    return QStringLiteral("glyphmux-gui@example.org");
}

QString mainWindowCaption()
{
    return nameAndVersion() + QStringLiteral("  2nd edition") + QString(72, QLatin1Char(' '))
           + contactAddress();
}

} // namespace AppTexts
