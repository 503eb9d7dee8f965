#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// settings.fs: one line "True|<language file>" or "False|<language file>".
// The font map is deliberately not stored anywhere.

QString settingsFileName(); // "settings.fs", in the current directory

struct StoredSettings {
    std::optional<bool> popup; // unset: the text was no truth value
    QString languagePath;      // empty: no language file
};

// "True"/"False" in any case, or a number (0 false, anything else true).
std::optional<bool> parseTruthValue(const QString &text);

// The first line of the file, without its line end. Everything after the
// first "|" is the path, so a path with "|" or "," in it comes back whole.
StoredSettings parseSettingsLine(const QString &line);

// The whole file, line end included; control characters in the path are
// written as spaces so that it stays one line.
QByteArray formatSettingsFile(bool popup, const QString &languagePath);
