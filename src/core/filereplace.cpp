#include "core/filereplace.h"

#include "core/localpath.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

bool syncToDisk(QFileDevice &file)
{
#ifdef Q_OS_WIN
    return file.flush(); // MoveFileEx's write-through does the rest
#else
    return file.flush() && syncToDisk(file.handle());
#endif
}

bool syncToDisk(int fd)
{
#ifdef Q_OS_WIN
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

bool renameFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    const QByteArray source = nativeName(from), target = nativeName(to);
    if (source.isNull() || target.isNull()) {
        errno = EILSEQ;
        return false;
    }
    return std::rename(source.constData(), target.constData()) == 0;
#endif
}

int createNewFile(const QString &path)
{
#ifdef Q_OS_WIN
    return ::_wopen(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                    _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    const QByteArray name = nativeName(path);
    if (name.isNull()) {
        errno = EILSEQ;
        return -1;
    }
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
#endif
}

bool removeFile(const QString &path)
{
#ifdef Q_OS_WIN
    return QFile::remove(path);
#else
    const QByteArray name = nativeName(path);
    if (name.isNull()) {
        errno = EILSEQ;
        return false;
    }
    return ::unlink(name.constData()) == 0;
#endif
}
