#pragma once

#include "core/fileerror.h"

#include <QByteArray>

// Replaces a file with new bytes without ever leaving it half written: the
// bytes go to a temporary file that is renamed over the old one only when
// every byte reached the disk. An existing file without write permission is
// left alone (also for root, who would otherwise overwrite it).
struct SaveOutcome {
    bool ok = false;
    FileError error; // why it failed; no error on success
};

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes);
