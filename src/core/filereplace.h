#pragma once

#include <QString>

class QFileDevice;

// The two steps every replacement of a file of ours ends with, shared by
// the save and the export: the new bytes reach the disk, then one rename
// puts them in place (a crash leaves the old file or the new one, whole).

// Flushes an open file's bytes to the disk; false (errno set) when that failed.
bool syncToDisk(QFileDevice &file);
// The same for a descriptor: a file's bytes, or a folder's entries after a rename.
bool syncToDisk(int fd);

// Paths reach the system as their exact bytes (see core/localpath.h); one
// whose bytes were lost fails with EILSEQ.

// Creates a file that did not exist, never through a link, for writing;
// its descriptor, or -1 (errno set).
int createNewFile(const QString &path);

// Renames 'from' to 'to' in one step, replacing 'to' if it exists; false
// (errno set) when that failed.
bool renameFile(const QString &from, const QString &to);

// Removes a file of ours; false (errno set) when that failed.
bool removeFile(const QString &path);
