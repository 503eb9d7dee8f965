#include "core/glyphmuxini.h"

#include "appversion.h"
#include "core/fontmap.h"
#include "core/linesafe.h"

#include <QStringEncoder>

namespace {

QString italicFlag(const FontMap &map, std::size_t slot)
{
    return map.slotValues[slot].italic ? QStringLiteral(":I") : QString();
}

const QString separatorLine = QStringLiteral(";*******************************");

} // namespace

QStringList glyphmuxIniLines(const FontMap &map)
{
    QStringList lines;
    lines.reserve(32);
    lines << QStringLiteral(";**************Glyphmux GUI %1*****************")
                 .arg(QLatin1String(AppVersion::text))
          << QStringLiteral("[Global]") << QStringLiteral("Enable=1") << QStringLiteral("Nativefont=0")
          << QStringLiteral("LogLevel=5") << QStringLiteral("ForceAntiAliased=4")
          << QStringLiteral("ZoomRatio=") + QString::number(map.zoom)
          << QStringLiteral("Chroma=") + map.chroma
          << QStringLiteral("ExtraFontFile=") + map.fontPath << separatorLine
          << QStringLiteral("[FontMap]");

    const auto &slotDefs = slotTable();
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const FontMap::Slot &slot = map.slotValues[i];
        lines << QLatin1String(slotDefs[i].key) + QLatin1Char('=') + slot.face + QLatin1Char('@') + slot.size
                     + QStringLiteral(":Y") + slot.height + italicFlag(map, i) + QStringLiteral(":W")
                     + slot.width;
    }

    lines << separatorLine;
    for (const AliasLine &alias : aliasTable())
        lines << QLatin1String(alias.name) + QLatin1Char('=') + aliasValue(map, alias);
    lines << separatorLine;
    // Values are written unchanged, except that none may add a line.
    for (QString &line : lines)
        line = onOneLine(line);
    return lines;
}

QString aliasValue(const FontMap &map, const AliasLine &alias)
{
    return map.slotValues[1].face + QLatin1Char('@') + QString::number(alias.size) + italicFlag(map, alias.italicSlot);
}

QByteArray encodeGlyphmuxIni(const QStringList &lines)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return encoder.encode(text);
}

QByteArray glyphmuxIniBytes(const FontMap &map)
{
    return encodeGlyphmuxIni(glyphmuxIniLines(map));
}
