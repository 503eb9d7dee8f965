// Built into every test executable: the user settings (recent files, font
// folder) and the state folder (recoveries) start empty in a folder of their
// own, removed at the end, so no test reads what another run left and none
// touches the user's own.
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void useFreshSettings()
{
    static QTemporaryDir folder;
    // The program looks at its store's file before QSettings opens it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder.path());
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder.filePath(QStringLiteral("state"))));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useFreshSettings)
