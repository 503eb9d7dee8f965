#pragma once

#include "core/fileerror.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replaces a file with new bytes without ever leaving it half written: the
// bytes go to a temporary file that is renamed over the old one only when
// every byte reached the disk. A link, or a chain of links, is followed to
// its file, which gets the bytes while the links stay. An existing file is
// replaced only when this user may write it and it has a write bit (so root
// too leaves a read-only file alone); anything that is not a regular file
// (a folder, a pipe) is left alone. Names stay as given: a relative one is
// never spelled out through the current folder, every name reaches the
// system as its exact bytes, and one whose bytes were lost is refused
// (see core/localpath.h). The temporary file sits beside the target
// as "<name>.glyphmux-save-XXXXXX"; ones a killed save left behind are
// removed by a later save once a minute old.
struct SaveOutcome {
    bool ok = false;
    FileError error; // why it failed; no error on success
};

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes);

// The file a save of 'path' writes: the end of its chain of links, or
// 'path' itself; relative when 'path' is. A target that is not UTF-8 is
// kept as its bytes. An error for a loop of links or a name whose bytes
// were lost.
struct SaveTarget {
    QString path;
    FileError error;
};
SaveTarget followLinks(const QString &path);

// True when 'path' is a regular file holding exactly 'bytes': a save that
// would change nothing can be left out (it costs a flush to disk).
bool fileHolds(const QString &path, const QByteArray &bytes);

// Makes a write past the file-size limit (RLIMIT_FSIZE) fail with EFBIG, so
// that the save reports it, instead of killing the program with SIGXFSZ.
// Called once at start-up.
void ignoreFileSizeLimitSignal();

// Before a save replaces 'path' (the end of its links), its previous
// content is kept as "<path>.bak" beside it: one generation, itself written
// atomically. A file that does not exist, is a folder or will not be
// replaced (read-only) has nothing to keep. A link, pipe or device at the
// backup's name is in the way: never written through or replaced. A failure
// means the save must not go on.
enum class BackupError { None, CannotReadOld, CannotWriteBackup };

struct BackupOutcome {
    BackupError step = BackupError::None;
    FileError error; // its path is the file that could not be read or written
    bool ok() const { return step == BackupError::None; }
};

QString backupPathFor(const QString &path);
BackupOutcome keepPreviousVersion(const QString &path);
