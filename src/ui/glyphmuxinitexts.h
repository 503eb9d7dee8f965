#pragma once

#include "core/glyphmuxinireader.h"
#include "core/safesave.h"

#include <QString>
#include <QStringList>

// The sentences about opening and saving Glyphmux.ini files.
namespace GlyphmuxIniTexts {
// Why the file was not opened; nothing was changed.
QString readFailure(const GlyphmuxIniFile &file);
// The report of what was not taken: its heading and one entry per note.
QString reportHeading(const GlyphmuxIniFile &file);
QStringList reportItems(const ParsedGlyphmuxIni &content);
// Why the previous version could not be kept; nothing was saved.
QString backupFailure(const BackupOutcome &outcome);
} // namespace GlyphmuxIniTexts
