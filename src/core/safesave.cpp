#include "core/safesave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
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
