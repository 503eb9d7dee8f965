#include "ui/apptexts.h"

#include "appversion.h"

#include <QCoreApplication>

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
    return nameAndVersion() + QStringLiteral("  ") + QCoreApplication::translate("AppTexts", "2nd edition")
           + QString(72, QLatin1Char(' ')) + contactAddress();
}

} // namespace AppTexts
