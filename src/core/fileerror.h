#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be read or written, as values: the user interface
// turns them into sentences.
struct FileError {
    enum class Kind {
        None,
        InvalidName, // empty, or with a NUL character
        IsFolder,
        NotRegular,  // a pipe, socket or device: never opened, it could block
        ReadOnly,    // an existing file without write permission
        Open,
        Read,
        Write,       // includes a write that stopped short
        Commit,      // the finished file could not replace the old one
        InTheWay,    // a link, pipe or device stands where a file of ours goes
        LossyName,   // a name whose bytes were lost (U+FFFD): it would reach a look-alike
    };
    Kind kind = Kind::None;
    QString path;
    QFileDevice::FileError device = QFileDevice::NoError;
    QString systemText; // the system's own description, when it gave one

    bool isError() const { return kind != Kind::None; }
};
