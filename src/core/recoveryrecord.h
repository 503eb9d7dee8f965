#pragma once

#include "core/fontmap.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

// The unsaved map of a run, as the recovery file keeps it: every value of
// the map, the Glyphmux.ini it belongs to and when it was written. The file
// is text, one "key=value" a line after a first line that names the format;
// values are percent-encoded UTF-8, so any text fits on its line.
struct RecoveryRecord {
    FontMap map;
    QString iniPath;  // absolute: the file Save wrote to in that run
    QDateTime written; // UTC

    friend bool operator==(const RecoveryRecord &a, const RecoveryRecord &b)
    {
        return a.map == b.map && a.iniPath == b.iniPath && a.written == b.written;
    }
};

// Larger files are not ours: they are refused unread.
inline constexpr qsizetype maxRecoveryBytes = qsizetype(1) << 20;

// Empty when the record would not fit within maxRecoveryBytes.
QByteArray formatRecovery(const RecoveryRecord &record);
// Nothing for anything but a whole, well-formed record: a damaged file is
// never half taken.
std::optional<RecoveryRecord> parseRecovery(QByteArrayView bytes);
