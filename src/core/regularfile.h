#pragma once

#include <QString>
#include <QtGlobal>

// Opens a file for reading only when it is a regular file. A named pipe, a
// socket or a device would block open() or read() forever, so the file is
// opened without waiting, checked on the very descriptor that was opened
// (nothing can swap it in between), and only then made a normal blocking
// descriptor.
struct RegularFile {
    enum class Failure { None, CannotOpen, NotRegular };
    int fd = -1;                       // the caller's to close; -1 on failure
    Failure failure = Failure::None;
    int error = 0;                     // errno when the open itself failed
    bool directory = false;            // NotRegular because it is a folder
    quint64 size = 0;                  // of a regular file, when opened
};

// A regular file never blocks, whatever the flag says; a caller that only
// reads it itself may keep the descriptor non-blocking and save two calls.
enum class KeepNonBlocking { No, Yes };
RegularFile openRegularFile(const QString &path, KeepNonBlocking keep = KeepNonBlocking::No);

// Closes a descriptor of ours (from openRegularFile or any other open);
// -1 is ignored. The one place that knows each platform's call.
void closeFile(int fd);

// True when openRegularFile would succeed; for code that must hand a path,
// not a descriptor, to a library.
bool isReadableRegularFile(const QString &path);
