#include "core/recoverystore.h"

#include "core/regularfile.h"
#include "core/safesave.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QRegularExpression lockName(QStringLiteral("^([0-9a-f]{16})\\.lock$"));

int openNoLinks(const QString &path, int flags)
{
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads a whole regular file of at most maxRecoveryBytes; nothing otherwise.
std::optional<QByteArray> readBounded(const QString &path)
{
    const RegularFile opened = openRegularFile(path);
    if (opened.fd < 0)
        return std::nullopt;
    QByteArray bytes;
    if (opened.size <= quint64(maxRecoveryBytes)) {
        QFile file;
        if (file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            // One byte more than allowed tells a file that grew apart.
            bytes = file.read(maxRecoveryBytes + 1);
            if (bytes.size() <= maxRecoveryBytes && file.error() == QFileDevice::NoError)
                return bytes;
            return std::nullopt;
        }
    }
    ::close(opened.fd);
    return std::nullopt;
}

} // namespace

QString RecoveryStore::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Glyphmux/recovery");
}

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{
}

RecoveryStore::~RecoveryStore()
{
    release(m_own);
    release(m_claimed);
}

QString RecoveryStore::pathOf(const QString &id, const char *suffix) const
{
    return m_folder + QLatin1Char('/') + id + QLatin1String(suffix);
}

QString RecoveryStore::ownFile() const
{
    return m_own.id.isEmpty() ? QString() : pathOf(m_own.id, ".recovery");
}

void RecoveryStore::release(Held &held)
{
    if (held.lockFd >= 0)
        ::close(held.lockFd);
    held = {};
}

bool RecoveryStore::makeOwnLock()
{
    if (m_own.lockFd >= 0)
        return true;
    // Private: the maps name the user's files.
    if (!QDir().mkpath(m_folder))
        return false;
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString id = QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, QLatin1Char('0'));
        const int fd = openNoLinks(pathOf(id, ".lock"), O_RDWR | O_CREAT | O_EXCL);
        if (fd < 0)
            continue;
        // Another run's scan may have taken the new file for debris and
        // removed it before the lock was ours: then the name is not ours.
        struct stat held {}, named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0
            || ::stat(QFile::encodeName(pathOf(id, ".lock")).constData(), &named) != 0 || held.st_ino != named.st_ino
            || held.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        m_own = {id, fd};
        return true;
    }
    return false;
}

bool RecoveryStore::write(const QByteArray &bytes)
{
    if (bytes.isEmpty() || !makeOwnLock())
        return false;
    return saveFileAtomically(ownFile(), bytes).ok;
}

void RecoveryStore::remove(bool ending)
{
    if (m_own.id.isEmpty())
        return;
    QFile::remove(ownFile());
    if (ending) {
        QFile::remove(pathOf(m_own.id, ".lock"));
        release(m_own);
    }
}

std::optional<RecoveryRecord> RecoveryStore::claimLeftover()
{
    std::optional<RecoveryRecord> newest;
    Held newestHeld;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = lockName.match(name);
        if (!match.hasMatch() || match.captured(1) == m_own.id)
            continue;
        Held held{match.captured(1), openNoLinks(pathOf(match.captured(1), ".lock"), O_RDWR | O_NONBLOCK)};
        struct stat st {};
        // Locked by a living run, or not a lock of ours: left alone.
        if (held.lockFd < 0 || ::fstat(held.lockFd, &st) != 0 || !S_ISREG(st.st_mode)
            || ::flock(held.lockFd, LOCK_EX | LOCK_NB) != 0) {
            release(held);
            continue;
        }
        const QString data = pathOf(held.id, ".recovery");
        std::optional<RecoveryRecord> record;
        if (const std::optional<QByteArray> bytes = readBounded(data))
            record = parseRecovery(*bytes);
        if (!QFile::exists(data)) {
            // A run that ended with nothing unsaved, or was killed before writing.
            QFile::remove(pathOf(held.id, ".lock"));
            release(held);
        } else if (record && (!newest || record->written > newest->written)) {
            release(newestHeld);
            newest = record;
            newestHeld = held;
        } else {
            release(held);
        }
    }
    release(m_claimed);
    m_claimed = newestHeld;
    return newest;
}

void RecoveryStore::dropClaimed()
{
    if (m_claimed.id.isEmpty())
        return;
    // With the temporary of a write the run was killed in, if any.
    const QDir folder(m_folder);
    for (const QString &name : folder.entryList({m_claimed.id + QStringLiteral(".recovery*")}, QDir::Files | QDir::System))
        QFile::remove(folder.filePath(name));
    QFile::remove(pathOf(m_claimed.id, ".lock"));
    release(m_claimed);
}
