#include "core/safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner))
        return {false, QStringLiteral("il file è di sola lettura")};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};

    // QSaveFile keeps going after a short write (a full disk, a size limit),
    // so every write is checked and a short one cancels the whole save.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason.isEmpty() ? QStringLiteral("scrittura incompleta") : reason};
        }
        written += n;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

QString backupPathFor(const QString &path)
{
    return path + QStringLiteral(".bak");
}

BackupOutcome keepPreviousVersion(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir() || !(info.permissions() & QFileDevice::WriteOwner))
        return {};
    if (!info.isFile()) // a pipe or a device: reading it could block
        return {BackupError::CannotReadOld, path, QFileDevice::OpenError};
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly))
        return {BackupError::CannotReadOld, path, old.error()};

    const QString backupPath = backupPathFor(path);
    const QFileInfo backupInfo(backupPath);
    if (backupInfo.exists() && !backupInfo.isDir() && !(backupInfo.permissions() & QFileDevice::WriteOwner))
        return {BackupError::CannotWriteBackup, backupPath, QFileDevice::PermissionsError};
    QSaveFile backup(backupPath);
    if (!backup.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {BackupError::CannotWriteBackup, backupPath, backup.error()};
    // Copied in pieces: the old file may be large, and no size is trusted.
    QByteArray chunk;
    do {
        chunk = old.read(64 * 1024);
        if (old.error() != QFileDevice::NoError) {
            backup.cancelWriting();
            return {BackupError::CannotReadOld, path, old.error()};
        }
        if (backup.write(chunk) != chunk.size()) {
            const QFileDevice::FileError error = backup.error();
            backup.cancelWriting();
            return {BackupError::CannotWriteBackup, backupPath,
                    error == QFileDevice::NoError ? QFileDevice::WriteError : error};
        }
    } while (!chunk.isEmpty());
    if (!backup.commit())
        return {BackupError::CannotWriteBackup, backupPath, backup.error()};
    return {};
}
