#pragma once

#include "core/fileerror.h"

#include <QByteArray>
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

// Makes a write past the file-size limit (RLIMIT_FSIZE) fail with EFBIG, so
// that the save reports it, instead of killing the program with SIGXFSZ.
// Called once at start-up.
void ignoreFileSizeLimitSignal();
