#pragma once

#include <QString>

class QFont;

// The family Qt draws 'font' with, when that is not the family (and style,
// if one was asked for) that the face resolver put into it; empty when Qt
// draws what was asked. A chosen file is asked for under fontconfig's name
// for it, so names compare as fontconfig compares them.
QString substituteFamily(const QFont &font);
