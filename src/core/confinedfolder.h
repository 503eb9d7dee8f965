#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// File operations relative to an open folder, for writing inside one folder
// tree and nowhere else: each folder is opened from its parent's descriptor
// without following links, files are created only where nothing is, and
// renames never replace. A link, pipe or device planted in the tree can then
// neither lead a write outside it nor block it. Names are single entries
// (no '/'), encoded as the file system stores them.

// An open folder; closed when this goes.
class FolderFd final
{
public:
    FolderFd() = default;
    explicit FolderFd(int fd) : m_fd(fd) {}
    ~FolderFd();
    FolderFd(FolderFd &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FolderFd &operator=(FolderFd &&other) noexcept;
    FolderFd(const FolderFd &) = delete;
    FolderFd &operator=(const FolderFd &) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

enum class EntryKind {
    Missing,
    Regular,
    Folder,
    Other, // a link, pipe, device or socket: never written through or over
};

// What 'name' in 'folder' is, the entry itself (a link is not followed).
EntryKind entryKind(int folder, const QByteArray &name);
// True when both names are one file (a case-insensitive file system).
bool sameEntry(int folder, const QByteArray &a, const QByteArray &b);
// The names in 'folder', without "." and "..".
QList<QByteArray> folderEntries(int folder);

// A folder the user named, links and all. Sets 'error' (errno) on failure.
FolderFd openNamedFolder(const QString &path, int &error);
// 'name' in 'folder' as a folder, failing when it is a link or anything else.
FolderFd openSubfolder(int folder, const QByteArray &name, int &error);
bool makeSubfolder(int folder, const QByteArray &name);

// A new file, created only when nothing at all has that name: the
// descriptor, or -1 with errno set (EEXIST when the name is taken).
int createNewFile(int folder, const QByteArray &name);
// Renames within the tree, failing with EEXIST rather than replacing.
bool renameWithoutReplacing(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to);
bool removeFileEntry(int folder, const QByteArray &name);
bool removeEmptySubfolder(int folder, const QByteArray &name);

// The content of a regular file of at most 'limit' bytes; false for
// anything else (a link, a pipe, a larger file), which is not opened.
bool readSmallFile(int folder, const QByteArray &name, qint64 limit, QByteArray &content);
// Opens a regular file for appending, creating it if need be; -1 when the
// name holds anything else.
int openForAppending(int folder, const QByteArray &name);
// Appends all of 'bytes' to a descriptor and syncs it.
bool appendAndSync(int fd, const QByteArray &bytes);
void closeDescriptor(int fd);
