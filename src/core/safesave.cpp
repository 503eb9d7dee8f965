#include "core/safesave.h"

#include "core/filereplace.h"
#include "core/regularfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>

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
    return {};
}

// Fills the temporary file that then replaces 'path'; an error stops the save.
using FillStep = std::function<FileError(QFile &temporary)>;

SaveOutcome replaceAtomically(const QString &path, const FillStep &fill)
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

    FileError error = fill(temporary);
    if (!error.isError() && !syncToDisk(temporary))
        error = {FileError::Kind::Write, path, QFileDevice::WriteError, qt_error_string(errno)};
    temporary.close();
    if (!error.isError() && temporary.error() != QFileDevice::NoError)
        error = {FileError::Kind::Write, path, temporary.error(), temporary.errorString()};
    if (!error.isError() && !renameFile(temporary.fileName(), target.absoluteFilePath()))
        error = {FileError::Kind::Commit, path, QFileDevice::RenameError, qt_error_string(errno)};
    if (error.isError()) {
        temporary.remove();
        return {false, error};
    }
    return {true, {}};
}

} // namespace

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    return replaceAtomically(path, [&](QFile &temporary) { return writeAll(temporary, bytes, path); });
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
    const QFileInfo info(path);
    if (!info.exists() || info.isDir() || !(info.permissions() & QFileDevice::WriteOwner))
        return {};
    const RegularFile opened = openRegularFile(path); // a pipe or a device could block
    if (opened.failure != RegularFile::Failure::None) {
        const Kind kind = opened.failure == RegularFile::Failure::NotRegular ? Kind::NotRegular : Kind::Open;
        return {BackupError::CannotReadOld, {kind, path, QFileDevice::OpenError, qt_error_string(opened.error)}};
    }
    QFile old;
    if (!old.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {BackupError::CannotReadOld, {Kind::Open, path, old.error(), old.errorString()}};

    // The backup is saved like any file; copied in pieces, as no size is trusted.
    const QString backupPath = backupPathFor(path);
    bool readFailed = false;
    const SaveOutcome saved = replaceAtomically(backupPath, [&](QFile &temporary) {
        for (;;) {
            const QByteArray chunk = old.read(64 * 1024);
            if (old.error() != QFileDevice::NoError) {
                readFailed = true;
                return FileError{Kind::Read, path, old.error(), old.errorString()};
            }
            if (chunk.isEmpty())
                return FileError{};
            if (const FileError error = writeAll(temporary, chunk, backupPath); error.isError())
                return error;
        }
    });
    if (saved.ok)
        return {};
    return {readFailed ? BackupError::CannotReadOld : BackupError::CannotWriteBackup, saved.error};
}

bool fileHolds(const QString &path, const QByteArray &bytes)
{
    const RegularFile regular = openRegularFile(path);
    if (regular.fd < 0)
        return false;
    QFile file;
    if (!file.open(regular.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        closeFile(regular.fd);
        return false;
    }
    // One byte more than expected tells a longer file apart.
    return file.read(bytes.size() + 1) == bytes;
}
