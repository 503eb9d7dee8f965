#include "core/confinedfolder.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FolderFd::~FolderFd()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderFd &FolderFd::operator=(FolderFd &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

namespace {

bool statEntry(int folder, const QByteArray &name, struct stat &st)
{
    return ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

// Opened without blocking on a pipe and checked on the descriptor itself.
int openRegular(int folder, const QByteArray &name, int flags, mode_t mode = 0)
{
    const int fd = ::openat(folder, name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

EntryKind entryKind(int folder, const QByteArray &name)
{
    struct stat st {};
    if (!statEntry(folder, name, st))
        return errno == ENOENT ? EntryKind::Missing : EntryKind::Other;
    if (S_ISREG(st.st_mode))
        return EntryKind::Regular;
    return S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

bool sameEntry(int folder, const QByteArray &a, const QByteArray &b)
{
    struct stat first {}, second {};
    return statEntry(folder, a, first) && statEntry(folder, b, second) && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

QList<QByteArray> folderEntries(int folder)
{
    QList<QByteArray> names;
    const int copy = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return names;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    return names;
}

FolderFd openNamedFolder(const QString &path, int &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    error = fd < 0 ? errno : 0;
    return FolderFd(fd);
}

FolderFd openSubfolder(int folder, const QByteArray &name, int &error)
{
    const int fd = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    error = fd < 0 ? errno : 0;
    return FolderFd(fd);
}

bool makeSubfolder(int folder, const QByteArray &name)
{
    return ::mkdirat(folder, name.constData(), 0777) == 0;
}

int createNewFile(int folder, const QByteArray &name)
{
    return ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
}

bool renameWithoutReplacing(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(fromFolder, from.constData(), toFolder, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // A file system without the flag: look first, at the cost of a short race.
    if (entryKind(toFolder, to) != EntryKind::Missing) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(fromFolder, from.constData(), toFolder, to.constData()) == 0;
}

bool removeFileEntry(int folder, const QByteArray &name)
{
    return ::unlinkat(folder, name.constData(), 0) == 0;
}

bool removeEmptySubfolder(int folder, const QByteArray &name)
{
    return ::unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0;
}

bool readSmallFile(int folder, const QByteArray &name, qint64 limit, QByteArray &content)
{
    const int fd = openRegular(folder, name, O_RDONLY);
    if (fd < 0)
        return false;
    QFile file;
    bool ok = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!ok)
        ::close(fd);
    if (ok) {
        content = file.read(limit + 1);
        ok = file.error() == QFileDevice::NoError && content.size() <= limit;
    }
    return ok;
}

int openForAppending(int folder, const QByteArray &name)
{
    return openRegular(folder, name, O_WRONLY | O_APPEND | O_CREAT, 0666);
}

bool appendAndSync(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fsync(fd) == 0;
}

void closeDescriptor(int fd)
{
    ::close(fd);
}
