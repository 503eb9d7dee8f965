#include "fonts/bytereader.h"

#include "core/regularfile.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// pread keeps the inspector at a handful of system calls per file.
struct FileSource::Handle
{
    int fd = -1;
};

FileSource::FileSource(const QString &path)
    : m_handle(new Handle)
{
    m_handle->fd = openRegularFile(path).fd; // a pipe or device would block
    struct stat st {};
    if (m_handle->fd < 0 || ::fstat(m_handle->fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    m_size = std::uint64_t(st.st_size);
    m_open = true;
}

FileSource::~FileSource()
{
    if (m_handle->fd >= 0)
        ::close(m_handle->fd);
    delete m_handle;
}

std::optional<QByteArray> FileSource::readAt(std::uint64_t offset, std::uint64_t len) const
{
    if (!m_open || !contains(offset, len) || len > std::uint64_t(std::numeric_limits<qsizetype>::max()))
        return std::nullopt;
    QByteArray out(qsizetype(len), Qt::Uninitialized);
    std::uint64_t done = 0;
    while (done < len) {
        const ssize_t got = ::pread(m_handle->fd, out.data() + done, size_t(len - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) // error, or the file shrank under us
            return std::nullopt;
        done += std::uint64_t(got);
    }
    return out;
}

#else
#include <QFile>

struct FileSource::Handle
{
    QFile file;
};

FileSource::FileSource(const QString &path)
    : m_handle(new Handle)
{
    m_handle->file.setFileName(path);
    if (!m_handle->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    m_size = std::uint64_t(m_handle->file.size());
    m_open = true;
}

FileSource::~FileSource()
{
    delete m_handle;
}

std::optional<QByteArray> FileSource::readAt(std::uint64_t offset, std::uint64_t len) const
{
    if (!m_open || !contains(offset, len) || len > std::uint64_t(std::numeric_limits<qsizetype>::max()))
        return std::nullopt;
    if (!m_handle->file.seek(qint64(offset)))
        return std::nullopt;
    QByteArray out = m_handle->file.read(qint64(len));
    if (std::uint64_t(out.size()) != len)
        return std::nullopt;
    return out;
}
#endif
