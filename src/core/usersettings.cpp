#include "core/usersettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

#ifndef Q_OS_WIN
QByteArray realPath(const QByteArray &path)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    const QByteArray result(resolved);
    std::free(resolved);
    return result;
}

// Absent (QSettings will make it), or of the wanted kind, a link counting
// only when it stays inside 'root'.
bool safeEntry(const QByteArray &path, const QByteArray &root, bool folder)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) {
        const QByteArray target = realPath(path); // a dangling link would be written through
        if (target.isEmpty() || !target.startsWith(root + '/') || ::stat(target.constData(), &st) != 0)
            return false;
    }
    return folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}
#endif

// The folder name QSettings uses for it.
QString organization()
{
    const QString name = QCoreApplication::organizationName();
    return name.isEmpty() ? QStringLiteral("Unknown Organization") : name;
}

} // namespace

QString userSettingsPath()
{
    // Where QSettings puts the native user file of this organisation and program here.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + organization() + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".conf");
}

bool userSettingsFileIsSafe()
{
#ifdef Q_OS_WIN
    return true; // the registry
#else
    const QByteArray config = QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QByteArray root = realPath(config);
    if (root.isEmpty()) // no configuration folder yet: QSettings makes it
        return errno == ENOENT;
    const QByteArray folder = config + '/' + QFile::encodeName(organization());
    return safeEntry(folder, root, true)
           && safeEntry(QFile::encodeName(userSettingsPath()), root, false);
#endif
}

std::unique_ptr<QSettings> openUserSettings(bool *inMemory)
{
    const bool safe = userSettingsFileIsSafe();
    if (inMemory)
        *inMemory = !safe;
    if (safe)
        return std::make_unique<QSettings>();
    // A file under a device can never exist: every read finds nothing and
    // every write fails, while the values set stay in the object.
    return std::make_unique<QSettings>(QStringLiteral("/dev/null/glyphmux-gui.conf"), QSettings::IniFormat);
}
