#include "core/regularfile.h"

#include "core/localpath.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

RegularFile openRegularFile(const QString &path, KeepNonBlocking keep)
{
    RegularFile result;
#ifdef Q_OS_WIN
    Q_UNUSED(keep) // descriptors here have no such flag
    // No pipes or sockets among ordinary paths here; devices fail the check.
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.failure = info.exists() ? RegularFile::Failure::NotRegular : RegularFile::Failure::CannotOpen;
        result.directory = info.isDir();
        result.error = ENOENT;
        return result;
    }
    result.size = quint64(info.size());
    result.fd = ::_wopen(reinterpret_cast<const wchar_t *>(path.utf16()), _O_RDONLY | _O_BINARY);
    if (result.fd < 0) {
        result.failure = RegularFile::Failure::CannotOpen;
        result.error = errno;
    }
#else
    // The exact bytes: a name that is not UTF-8 is read as it is, never
    // as a look-alike; one whose bytes were lost is not read at all.
    const QByteArray name = nativeName(path);
    if (name.isNull()) {
        result.failure = RegularFile::Failure::CannotOpen;
        result.error = EILSEQ;
        return result;
    }
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        result.failure = RegularFile::Failure::CannotOpen;
        result.error = errno;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        closeFile(fd);
        result.failure = RegularFile::Failure::NotRegular;
        result.directory = S_ISDIR(st.st_mode);
        return result;
    }
    result.size = quint64(st.st_size);
    if (keep == KeepNonBlocking::No) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    result.fd = fd;
#endif
    return result;
}

bool isReadableRegularFile(const QString &path)
{
    // The library gets the path through Qt: it must name this very file.
    if (!isLosslessPath(path))
        return false;
    const RegularFile opened = openRegularFile(path);
    closeFile(opened.fd);
    return opened.failure == RegularFile::Failure::None;
}

void closeFile(int fd)
{
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    ::_close(fd);
#else
    ::close(fd);
#endif
}
