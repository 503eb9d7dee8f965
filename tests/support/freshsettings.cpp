// Built into every test executable: the user settings (recent files, font
// folder) start empty in a folder of their own, removed at the end, so no
// test reads what another run left and none touches the user's own.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void useFreshSettings()
{
    static QTemporaryDir folder;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useFreshSettings)
