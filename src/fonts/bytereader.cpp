#include "fonts/bytereader.h"

#include <cerrno>
#include <unistd.h>

// pread keeps the reader at a handful of system calls per file.
struct FileSource::Handle
{
    int fd = -1;
};

FileSource::FileSource(const QString &path)
    : m_handle(new Handle)
{
    // A pipe or device would block; pread never blocks on what remains.
    const RegularFile opened = openRegularFile(path, KeepNonBlocking::Yes);
    m_handle->fd = opened.fd;
    m_failure = opened.failure;
    m_directory = opened.directory;
    m_size = opened.size;
    m_open = m_handle->fd >= 0;
}

FileSource::~FileSource()
{
    closeFile(m_handle->fd);
    delete m_handle;
}

std::optional<QByteArray> FileSource::readAt(std::uint64_t offset, std::uint64_t len) const
{
    constexpr std::uint64_t window = 8192;
    if (!m_open || !contains(offset, len))
        return std::nullopt;
    if (len > window / 2)
        return readFromFile(offset, len);
    const std::uint64_t cached = std::uint64_t(m_window.size());
    if (offset < m_windowOffset || offset - m_windowOffset > cached || len > cached - (offset - m_windowOffset)) {
        // From the page boundary below: a table's neighbour just before it
        // (maxp before name, say) comes in the same read.
        const std::uint64_t start = offset - offset % (window / 2);
        auto ahead = readFromFile(start, std::min(window, m_size - start));
        if (!ahead)
            return std::nullopt;
        m_window = std::move(*ahead);
        m_windowOffset = start;
    }
    return m_window.mid(qsizetype(offset - m_windowOffset), qsizetype(len));
}

std::optional<QByteArray> FileSource::readFromFile(std::uint64_t offset, std::uint64_t len) const
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
