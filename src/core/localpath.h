#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes; Qt turns a byte that is not UTF-8 into U+FFFD, and
// that string, encoded again, names another file (a look-alike of the real
// one). A path holding U+FFFD is therefore never used to reach a file: the
// program refuses it and says why.
bool isLosslessPath(const QString &path);

// The name as a string that encodes back to exactly these bytes, or a null
// string when there is none.
QString losslessName(const QByteArray &bytes);
