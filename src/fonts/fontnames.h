#pragma once

#include <QByteArray>
#include <QStringView>

// fontconfig compares family names ignoring blanks (U+0020) and letter case,
// so it keeps one spelling of "Noto Sans OldPersian" / "Noto Sans Old Persian".
// It does not export that comparison; this is the one copy of it, for every
// question "does the font system know this face under that name?".

// True when fontconfig takes 'a' and 'b' for the same family name.
bool sameFontconfigName(QStringView a, QStringView b);

// The form of 'name' that fontconfig compares: equal keys, same family name
// (sameFontconfigName). For looking names up in a hash.
QByteArray fontconfigNameKey(QStringView name);
