#include "core/safesave.h"

#include "core/filereplace.h"
#include "core/localpath.h"
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
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What stands at a name, the name itself (a link is not followed).
struct NameState {
    bool exists = false;
    bool link = false;
    bool folder = false;
    bool regular = false;
    bool replaceable = false; // this user may write it, and it has a write bit
    int mode = 0;             // its permission bits
};

NameState stateOf(const QString &path)
{
    NameState state;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    state.exists = info.exists() || info.isSymLink();
    state.link = info.isSymLink();
    state.folder = info.isDir();
    state.regular = info.isFile();
    state.replaceable = info.isWritable();
#else
    const QByteArray name = nativeName(path);
    struct stat st {};
    if (name.isNull() || ::lstat(name.constData(), &st) != 0)
        return state;
    state.exists = true;
    state.link = S_ISLNK(st.st_mode);
    state.folder = S_ISDIR(st.st_mode);
    state.regular = S_ISREG(st.st_mode);
    state.mode = int(st.st_mode & 07777);
    // Root passes access() for any file: the write bits keep a read-only
    // file read-only for root too.
    state.replaceable = ::access(name.constData(), W_OK) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
#endif
    return state;
}

const QLatin1String temporaryMark(".glyphmux-save-");

// Temporaries a killed save left behind: only ours, for this file, and only
// when no save running now can still own them. The folder is read by its
// bytes, like the file itself.
void removeStaleTemporaries(const QString &target)
{
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : target.left(qMax<qsizetype>(slash, 1));
    const QByteArray prefix = nativeName(target.mid(slash + 1) + temporaryMark);
    const QRegularExpression suffix(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9]{6}")));
    const qint64 staleBefore = QDateTime::currentSecsSinceEpoch() - 60;
#ifdef Q_OS_WIN
    const QFileInfoList candidates = QDir(folder).entryInfoList(
        {target.mid(slash + 1) + temporaryMark + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &file : candidates) {
        const QString rest = file.fileName().mid((target.mid(slash + 1) + temporaryMark).size());
        if (suffix.match(rest).hasMatch() && file.lastModified().toSecsSinceEpoch() < staleBefore)
            QFile::remove(file.filePath());
    }
#else
    const QByteArray folderName = nativeName(folder);
    const int dirFd = folderName.isNull() || prefix.isNull()
                          ? -1 : ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = dirFd < 0 ? nullptr : ::fdopendir(dirFd);
    if (!dir) {
        closeFile(dirFd);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        struct stat st {};
        if (name.startsWith(prefix) && suffix.match(QString::fromLatin1(name.mid(prefix.size()))).hasMatch()
            && ::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && st.st_mtime < staleBefore)
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
#endif
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

enum class Links { Follow, InTheWay };

SaveOutcome replaceAtomically(const QString &path, const FillStep &fill, Links links)
{
    if (nativeName(path).isNull())
        return {false, {FileError::Kind::LossyName, path, QFileDevice::OpenError, {}}};
    QString real = path;
    if (links == Links::Follow) {
        const SaveTarget end = followLinks(path);
        if (end.error.isError())
            return {false, end.error};
        real = end.path;
    }
    const NameState state = stateOf(real);
    if (state.exists && !state.regular) {
        const auto kind = state.folder ? FileError::Kind::IsFolder
                          : state.link ? FileError::Kind::InTheWay : FileError::Kind::NotRegular;
        return {false, {kind, path, QFileDevice::OpenError, {}}};
    }
    if (state.exists && !state.replaceable)
        return {false, {FileError::Kind::ReadOnly, path, QFileDevice::PermissionsError, {}}};

    removeStaleTemporaries(real);
    QFile temporary;
    QString temporaryName;
    for (int attempt = 0; attempt < 16 && !temporary.isOpen(); ++attempt) {
        temporaryName = real + temporaryMark + randomSuffix();
        const int fd = createNewFile(temporaryName);
        if (fd < 0 && errno != EEXIST)
            break;
        if (fd >= 0 && !temporary.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            const int error = errno;
            closeFile(fd);
            removeFile(temporaryName);
            errno = error;
            break;
        }
    }
    if (!temporary.isOpen())
        return {false, {FileError::Kind::Open, path, QFileDevice::OpenError, qt_error_string(errno)}};
#ifndef Q_OS_WIN
    if (state.exists)
        ::fchmod(temporary.handle(), mode_t(state.mode));
#endif

    FileError error = fill(temporary);
    if (!error.isError() && !syncToDisk(temporary))
        error = {FileError::Kind::Write, path, QFileDevice::WriteError, qt_error_string(errno)};
    temporary.close();
    if (!error.isError() && temporary.error() != QFileDevice::NoError)
        error = {FileError::Kind::Write, path, temporary.error(), temporary.errorString()};
    if (!error.isError() && !renameFile(temporaryName, real))
        error = {FileError::Kind::Commit, path, QFileDevice::RenameError, qt_error_string(errno)};
    if (error.isError()) {
        removeFile(temporaryName);
        return {false, error};
    }
    return {true, {}};
}

} // namespace

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    return replaceAtomically(
        path, [&](QFile &temporary) { return writeAll(temporary, bytes, path); }, Links::Follow);
}

SaveTarget followLinks(const QString &path)
{
    if (nativeName(path).isNull())
        return {path, {FileError::Kind::LossyName, path, QFileDevice::OpenError, {}}};
    QString current = path;
#ifndef Q_OS_WIN
    // As many links as the system itself follows before it calls it a loop.
    for (int hop = 0; hop < 40; ++hop) {
        const QByteArray name = nativeName(current);
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return {current, {}};
        QByteArray target(4096, Qt::Uninitialized);
        const ssize_t length = ::readlink(name.constData(), target.data(), std::size_t(target.size()));
        if (length <= 0 || length >= target.size())
            return {path, {FileError::Kind::Open, path, QFileDevice::OpenError, qt_error_string(errno)}};
        target.truncate(qsizetype(length));
        // The target's bytes as they are, whatever they are.
        const QString next = pathFromNativeName(target);
        // A relative target counts from the link's own folder.
        const qsizetype slash = current.lastIndexOf(QLatin1Char('/'));
        current = QDir::isAbsolutePath(next) || slash < 0 ? next : current.left(slash + 1) + next;
    }
    return {path, {FileError::Kind::Open, path, QFileDevice::OpenError, qt_error_string(ELOOP)}};
#else
    const QFileInfo info(path);
    return {info.isSymLink() ? info.symLinkTarget() : path, {}};
#endif
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
    const NameState state = stateOf(path);
    if (!state.exists || state.folder || !state.replaceable)
        return {};
    const QString backupPath = backupPathFor(path);
    const NameState backup = stateOf(backupPath);
    if (backup.exists && !backup.regular && !backup.folder)
        return {BackupError::CannotWriteBackup, {Kind::InTheWay, backupPath, QFileDevice::OpenError, {}}};
    const RegularFile opened = openRegularFile(path); // a pipe or a device could block
    if (opened.failure != RegularFile::Failure::None) {
        const Kind kind = opened.failure == RegularFile::Failure::NotRegular ? Kind::NotRegular : Kind::Open;
        return {BackupError::CannotReadOld, {kind, path, QFileDevice::OpenError, qt_error_string(opened.error)}};
    }
    QFile old;
    if (!old.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {BackupError::CannotReadOld, {Kind::Open, path, old.error(), old.errorString()}};

    // The backup is saved like any file; copied in pieces, as no size is trusted.
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
    }, Links::InTheWay);
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
