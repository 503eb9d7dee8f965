#pragma once

#include "core/languagefile.h"

#include <array>

// Which control each field of a language file sets.
struct CaptionField {
    const char *control; // objectName of the control whose caption it sets
};

const std::array<CaptionField, CaptionFieldCount> &captionTable();
