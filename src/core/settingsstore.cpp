#include "core/settingsstore.h"

#include "core/linesafe.h"
#include "core/textfile.h"

#include <QLocale>

#include <cmath>

QString settingsFileName()
{
    return QStringLiteral("settings.fs");
}

std::optional<bool> parseTruthValue(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = QLocale::c().toDouble(word, &isNumber);
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}

StoredSettings parseSettingsLine(const QString &line)
{
    StoredSettings settings;
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    settings.popup = parseTruthValue(bar < 0 ? line : line.left(bar));
    if (bar >= 0)
        settings.languagePath = line.mid(bar + 1);
    return settings;
}

QByteArray formatSettingsFile(bool popup, const QString &languagePath)
{
    const QString line = (popup ? QStringLiteral("True|") : QStringLiteral("False|")) + onOneLine(languagePath)
                         + QStringLiteral("\r\n");
    return encodeLocalText(line);
}
