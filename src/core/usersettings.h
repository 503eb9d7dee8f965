#pragma once

#include <QString>

#include <memory>

class QSettings;

// Our QSettings file (~/.config/Glyphmux/glyphmux-gui.conf): QSettings
// reads it the moment it is made and writes through links, so a pipe there
// would block, a device be read or replaced. It is used only when it and
// its folder are absent, or a regular file in a real folder, reached
// without links that lead out of the configuration folder; this is looked
// at with lstat before any QSettings object for it exists.

// The file's path, whether it may be used or not.
QString userSettingsPath();
bool userSettingsFileIsSafe();

// The one store of the session: that file when it is safe; otherwise one
// that keeps what is set in memory until it goes and reads and writes
// nothing ('*inMemory' says which).
std::unique_ptr<QSettings> openUserSettings(bool *inMemory = nullptr);
