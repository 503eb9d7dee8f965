#include "fonts/fontnames.h"

#include <QString>

bool sameFontconfigName(QStringView a, QStringView b)
{
    // Case folding may change a string's length (ß -> ss), so fold first
    // and compare what is left without the blanks.
    const QString foldedA = a.toString().toCaseFolded();
    const QString foldedB = b.toString().toCaseFolded();
    qsizetype i = 0;
    qsizetype j = 0;
    for (;;) {
        while (i < foldedA.size() && foldedA.at(i) == u' ')
            ++i;
        while (j < foldedB.size() && foldedB.at(j) == u' ')
            ++j;
        if (i == foldedA.size() || j == foldedB.size())
            return i == foldedA.size() && j == foldedB.size();
        if (foldedA.at(i) != foldedB.at(j))
            return false;
        ++i;
        ++j;
    }
}
