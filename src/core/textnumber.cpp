#include "core/textnumber.h"

#include <QLocale>

namespace {

// Length of the numeric prefix starting at 'start', 0 when there is none.
int numericPrefixLength(const QString &text, int start)
{
    int i = start;
    const int n = int(text.size());
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        int j = i + 1;
        int fraction = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++fraction;
        }
        if (fraction > 0 || digits > 0) {
            digits += fraction;
            i = j;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        int exponent = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++exponent;
        }
        if (exponent > 0)
            i = j;
    }
    return i - start;
}

int firstNonBlank(const QString &text)
{
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    return i;
}

} // namespace

double leadingNumber(const QString &text)
{
    const int start = firstNonBlank(text);
    const int length = numericPrefixLength(text, start);
    if (length == 0)
        return 0.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).mid(start, length), &ok);
    return ok ? value : 0.0;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}
