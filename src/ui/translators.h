#pragma once

#include <QString>

// The program's translation and Qt's own (file dialogs, standard buttons),
// for one language at a time. Changing them sends every window a
// LanguageChange event.
namespace Translators {

// Installs the translations of a language code ("de"), ours from the
// language files' folder and Qt's from its translations folder, in place of
// those of the language before. An empty code, or a language without a
// translation, leaves the designed texts. True when ours was found.
bool use(const QString &code);

// The code in use; empty for the designed texts.
QString current();

} // namespace Translators
