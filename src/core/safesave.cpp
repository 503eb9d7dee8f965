#include "core/safesave.h"

#include "core/regularfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const QLatin1String temporaryMark(".glyphmux-save-");

// Temporaries a killed save left behind: only ours, for this file, and only
// when no save running now can still own them.
void removeStaleTemporaries(const QFileInfo &target)
{
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName() + temporaryMark) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList candidates = target.dir().entryInfoList(
        {target.fileName() + temporaryMark + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &file : candidates) {
        if (ours.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < staleBefore)
            QFile::remove(file.filePath());
    }
}

QString randomSuffix()
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString out;
    for (int i = 0; i < 6; ++i)
        out += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))]);
    return out;
}

bool replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// Writes every byte or reports why not. Unbuffered, so a short write (a full
// disk, a size limit) shows up at the write that fell short.
FileError writeAll(QFile &file, const QByteArray &bytes, const QString &path)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return {FileError::Kind::Write, path, file.error(), file.errorString()};
        written += n;
    }
#ifndef Q_OS_WIN
    if (::fsync(file.handle()) != 0)
        return {FileError::Kind::Write, path, QFileDevice::WriteError, qt_error_string(errno)};
#endif
    return {};
}

} // namespace

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QFileInfo target(path);
    if (target.isSymLink()) // the link stays, its file gets the new bytes
        target = QFileInfo(target.symLinkTarget());
    if (target.exists() && !target.isFile()) {
        const auto kind = target.isDir() ? FileError::Kind::IsFolder : FileError::Kind::NotRegular;
        return {false, {kind, path, QFileDevice::OpenError, {}}};
    }
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return {false, {FileError::Kind::ReadOnly, path, QFileDevice::PermissionsError, {}}};

    removeStaleTemporaries(target);
    QFile temporary;
    for (int attempt = 0; attempt < 16 && !temporary.isOpen(); ++attempt) {
        temporary.setFileName(target.absoluteFilePath() + temporaryMark + randomSuffix());
        temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
    }
    if (!temporary.isOpen())
        return {false, {FileError::Kind::Open, path, temporary.error(), temporary.errorString()}};
    if (target.exists())
        temporary.setPermissions(target.permissions());

    FileError error = writeAll(temporary, bytes, path);
    temporary.close();
    if (!error.isError() && temporary.error() != QFileDevice::NoError)
        error = {FileError::Kind::Write, path, temporary.error(), temporary.errorString()};
    if (!error.isError() && !replaceFile(temporary.fileName(), target.absoluteFilePath()))
        error = {FileError::Kind::Commit, path, QFileDevice::RenameError, qt_error_string(errno)};
    if (error.isError()) {
        temporary.remove();
        return {false, error};
    }
    return {true, {}};
}

void ignoreFileSizeLimitSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

QString backupPathFor(const QString &path)
{
    return path + QStringLiteral(".bak");
}

BackupOutcome keepPreviousVersion(const QString &path)
{
    using Kind = FileError::Kind;
    const auto failed = [](BackupError step, Kind kind, const QString &file, const QFileDevice &device) {
        return BackupOutcome{step, {kind, file, device.error(), device.errorString()}};
    };
    const QFileInfo info(path);
    if (!info.exists() || info.isDir() || !(info.permissions() & QFileDevice::WriteOwner))
        return {};
    if (!info.isFile()) // a pipe or a device: reading it could block
        return {BackupError::CannotReadOld, {Kind::NotRegular, path, QFileDevice::OpenError, {}}};
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly))
        return failed(BackupError::CannotReadOld, Kind::Open, path, old);

    const QString backupPath = backupPathFor(path);
    const QFileInfo backupInfo(backupPath);
    if (backupInfo.exists() && !backupInfo.isDir() && !(backupInfo.permissions() & QFileDevice::WriteOwner))
        return {BackupError::CannotWriteBackup, {Kind::ReadOnly, backupPath, QFileDevice::PermissionsError, {}}};
    QSaveFile backup(backupPath);
    if (!backup.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(BackupError::CannotWriteBackup, backupInfo.isDir() ? Kind::IsFolder : Kind::Open, backupPath, backup);
    // Copied in pieces: the old file may be large, and no size is trusted.
    QByteArray chunk;
    do {
        chunk = old.read(64 * 1024);
        if (old.error() != QFileDevice::NoError) {
            backup.cancelWriting();
            return failed(BackupError::CannotReadOld, Kind::Read, path, old);
        }
        if (backup.write(chunk) != chunk.size()) {
            const BackupOutcome outcome = failed(BackupError::CannotWriteBackup, Kind::Write, backupPath, backup);
            backup.cancelWriting();
            return outcome;
        }
    } while (!chunk.isEmpty());
    if (!backup.commit())
        return failed(BackupError::CannotWriteBackup, Kind::Commit, backupPath, backup);
    return {};
}

bool fileHolds(const QString &path, const QByteArray &bytes)
{
    const RegularFile regular = openRegularFile(path);
    if (regular.fd < 0)
        return false;
    QFile file;
    if (!file.open(regular.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
#ifdef Q_OS_WIN
        ::_close(regular.fd);
#else
        ::close(regular.fd);
#endif
        return false;
    }
    // One byte more than expected tells a longer file apart.
    return file.read(bytes.size() + 1) == bytes;
}
