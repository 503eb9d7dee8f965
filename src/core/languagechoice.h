#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Which translation goes with a language file, and which shipped language
// file stands in when none is stored: the system's language, if we ship it.

struct ShippedLanguage {
    const char *fileName; // in the Data folder, e.g. "Deutsch.lng"
    const char *code;     // language code of its translation, e.g. "de"
};

const std::array<ShippedLanguage, 5> &shippedLanguages();

// The code for a language file by its name ("/any/folder/italiano.LNG" ->
// "it"); empty for a file we do not ship, whose translation is unknown.
QString languageCodeOfFile(const QString &path);

// The shipped file for the first of the user's languages that we ship
// ("nl-NL", "es" -> "Espanol.lng"). Empty in the C/POSIX locale, whatever
// the language list says, and when no language matches.
QString shippedFileForSystem(const QString &localeName, const QStringList &uiLanguages);

// The compiled translation of a language code, e.g. "glyphmux_de.qm", and
// Qt's own one, e.g. "qtbase_de.qm".
QString translationFileName(const QString &code);
QString qtTranslationFileName(const QString &code);
