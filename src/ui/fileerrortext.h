#pragma once

#include "core/fileerror.h"

// The reason part of a message about a file that failed, e.g. "it is a folder".
QString fileErrorText(const FileError &error);

// The reason for a system error number: our own translated words for the
// common ones, the system's text for the rest.
QString systemErrorText(int error);
