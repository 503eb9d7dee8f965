#pragma once

#include "core/fileerror.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replaces a file with new bytes without ever leaving it half written: the
// bytes go to a temporary file that is renamed over the old one only when
// every byte reached the disk. An existing file without write permission is
// left alone (also for root, who would otherwise overwrite it), and so is
// anything that is not a regular file (a folder, a pipe). The temporary file
// sits beside the target as "<name>.glyphmux-save-XXXXXX"; ones a killed
// save left behind are removed by a later save once a minute old.
struct SaveOutcome {
    bool ok = false;
    FileError error; // why it failed; no error on success
};

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes);

// True when 'path' is a regular file holding exactly 'bytes': a save that
// would change nothing can be left out (it costs a flush to disk).
bool fileHolds(const QString &path, const QByteArray &bytes);

// Makes a write past the file-size limit (RLIMIT_FSIZE) fail with EFBIG, so
// that the save reports it, instead of killing the program with SIGXFSZ.
// Called once at start-up.
void ignoreFileSizeLimitSignal();

// Before a save replaces 'path', its previous content is kept as
// "<path>.bak" beside it: one generation, itself written atomically. A file
// that does not exist, is a folder or will not be replaced (read-only) has
// nothing to keep. A failure means the save must not go on.
enum class BackupError { None, CannotReadOld, CannotWriteBackup };

struct BackupOutcome {
    BackupError step = BackupError::None;
    FileError error; // its path is the file that could not be read or written
    bool ok() const { return step == BackupError::None; }
};

QString backupPathFor(const QString &path);
BackupOutcome keepPreviousVersion(const QString &path);
