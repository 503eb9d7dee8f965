#pragma once

#include <QStringView>

// fontconfig compares family names ignoring blanks (U+0020) and letter case,
// so it keeps one spelling of "Noto Sans OldPersian" / "Noto Sans Old Persian".
// It does not export that comparison; this is the one copy of it.
bool sameFontconfigName(QStringView a, QStringView b);
