#pragma once

#include "core/fileerror.h"

// The reason part of a message about a file that failed, e.g. "è una cartella".
QString fileErrorText(const FileError &error);
