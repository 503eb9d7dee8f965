#pragma once

#include <QLocale>

#include <cstdint>

// The Windows locale identifier (LCID) of a locale, as font name tables use
// them for their language IDs: Italian-Italy 0x0410, English-US 0x0409, ...
// A territory not in the table gives the language's main one; an unknown
// language gives 0x0409.
std::uint32_t windowsLocaleId(const QLocale &locale);
