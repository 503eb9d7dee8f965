#pragma once

#include "core/regularfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

// Reads big-endian values out of a block of bytes. Every read is checked
// against what is left and fails with std::nullopt instead of reading past
// the end; range checks subtract (len <= size - pos) so they cannot overflow.
// This is the only place that does arithmetic on font bytes.
class ByteReader
{
public:
    ByteReader() = default;
    explicit ByteReader(QByteArrayView bytes) : m_bytes(bytes) {}

    std::uint64_t size() const { return std::uint64_t(m_bytes.size()); }
    std::uint64_t pos() const { return m_pos; }
    std::uint64_t remaining() const { return size() - m_pos; }

    // True when 'len' bytes start at 'offset' inside the block.
    bool contains(std::uint64_t offset, std::uint64_t len) const
    {
        return offset <= size() && len <= size() - offset;
    }

    bool seek(std::uint64_t offset)
    {
        if (offset > size())
            return false;
        m_pos = offset;
        return true;
    }

    std::optional<std::uint16_t> u16()
    {
        const auto b = take(2);
        if (!b)
            return std::nullopt;
        return std::uint16_t(byteAt(*b, 0) << 8 | byteAt(*b, 1));
    }

    std::optional<std::uint32_t> u32()
    {
        const auto b = take(4);
        if (!b)
            return std::nullopt;
        return std::uint32_t(byteAt(*b, 0)) << 24 | std::uint32_t(byteAt(*b, 1)) << 16
            | std::uint32_t(byteAt(*b, 2)) << 8 | std::uint32_t(byteAt(*b, 3));
    }

    // The next 'len' bytes, without copying.
    std::optional<QByteArrayView> take(std::uint64_t len)
    {
        if (!contains(m_pos, len))
            return std::nullopt;
        const QByteArrayView out = m_bytes.sliced(qsizetype(m_pos), qsizetype(len));
        m_pos += len;
        return out;
    }

    // A reader over 'len' bytes at 'offset' of this block.
    std::optional<ByteReader> sub(std::uint64_t offset, std::uint64_t len) const
    {
        if (!contains(offset, len))
            return std::nullopt;
        return ByteReader(m_bytes.sliced(qsizetype(offset), qsizetype(len)));
    }

private:
    static unsigned byteAt(QByteArrayView b, qsizetype i) { return static_cast<unsigned char>(b[i]); }

    QByteArrayView m_bytes;
    std::uint64_t m_pos = 0;
};

// Where font bytes come from: positioned reads of a file, or a block in
// memory. A read that would leave the source fails as a whole.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // 'len' bytes at 'offset', or nullopt when they are not all there.
    virtual std::optional<QByteArray> readAt(std::uint64_t offset, std::uint64_t len) const = 0;

    bool contains(std::uint64_t offset, std::uint64_t len) const
    {
        return offset <= size() && len <= size() - offset;
    }
};

// Bytes already in memory (tests, the fuzz target).
class MemorySource final : public ByteSource
{
public:
    explicit MemorySource(QByteArrayView bytes) : m_bytes(bytes) {}
    std::uint64_t size() const override { return std::uint64_t(m_bytes.size()); }
    std::optional<QByteArray> readAt(std::uint64_t offset, std::uint64_t len) const override
    {
        if (!contains(offset, len))
            return std::nullopt;
        return m_bytes.sliced(qsizetype(offset), qsizetype(len)).toByteArray();
    }

private:
    QByteArrayView m_bytes;
};

// A file opened for reading; only the parts asked for are read. A small
// read brings in the bytes after it too (the tables the reader reads lie
// close together), so most reads cost no system call.
class FileSource final : public ByteSource
{
public:
    explicit FileSource(const QString &path);
    ~FileSource() override;
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    bool isOpen() const { return m_open; }
    // Why the file is not open: it could not be, or it is no regular file.
    RegularFile::Failure failure() const { return m_failure; }
    bool isDirectory() const { return m_directory; }
    std::uint64_t size() const override { return m_size; }
    std::optional<QByteArray> readAt(std::uint64_t offset, std::uint64_t len) const override;

private:
    std::optional<QByteArray> readFromFile(std::uint64_t offset, std::uint64_t len) const;

    struct Handle;
    Handle *m_handle = nullptr;
    bool m_open = false;
    RegularFile::Failure m_failure = RegularFile::Failure::None;
    bool m_directory = false;
    std::uint64_t m_size = 0;
    mutable QByteArray m_window; // bytes at m_windowOffset, read ahead
    mutable std::uint64_t m_windowOffset = 0;
};
