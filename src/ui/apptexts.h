#pragma once

#include <QString>

// Texts built from the program's name and version.
namespace AppTexts {
QString programName();         // "Glyphmux GUI"
QString nameAndVersion();      // "Glyphmux GUI 1.2.4"
QString mainWindowCaption();   // the full normal title of the main window
QString contactAddress();
} // namespace AppTexts
