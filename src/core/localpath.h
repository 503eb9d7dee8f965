#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes, and not every name is UTF-8. Qt turns a byte it
// cannot decode into U+FFFD, and that string, encoded again, names another
// file (a look-alike of the real one). So a path reaches the system in one
// of two ways:
//  - through Qt's file classes, only when it holds neither U+FFFD nor an
//    escaped byte (isLosslessPath);
//  - through POSIX calls as its exact bytes (nativeName), which keeps a name
//    from the command line or from a link usable whatever its bytes are.
// A path holding U+FFFD lost its bytes: it is never used to reach a file.

// The bytes as a string: UTF-8 decoded, each byte that is not part of a
// valid sequence kept as the lone surrogate U+DC80..U+DCFF. A real U+FFFD
// is kept the same way, so U+FFFD always means "bytes lost".
QString pathFromNativeName(const QByteArray &bytes);

// The bytes a path stands for, or a null array when they are unknown (it
// holds U+FFFD, or a lone surrogate that is not an escaped byte).
QByteArray nativeName(const QString &path);

// The path made absolute from its name alone (no file is asked), the
// current folder taken as its bytes; cleaned as QFileInfo cleans. Qt's own
// absoluteFilePath() would pass an escaped byte through the lossy encoding.
QString absoluteNativePath(const QString &path);

// True when Qt's file classes reach exactly the file this path names.
bool isLosslessPath(const QString &path);

// The path for people to read: the system's separators, and an escaped
// byte shown as U+FFFD.
QString readablePath(const QString &path);
