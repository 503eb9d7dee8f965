#include "core/recoveryrecord.h"

#include "core/localpath.h"

#include <QStringDecoder>

#include <array>
#include <set>

namespace {

constexpr QByteArrayView magic = "Glyphmux recovery 1";
constexpr int lowestZoom = 1, highestZoom = 300;

// The slot's text values and their keys: a value added to the slot is one
// more line here.
struct SlotText {
    const char *key;
    QString FontMap::Slot::*member;
};
constexpr std::array slotTexts{
    SlotText{"face", &FontMap::Slot::face},
    SlotText{"file", &FontMap::Slot::file},
    SlotText{"size", &FontMap::Slot::size},
    SlotText{"height", &FontMap::Slot::height},
    SlotText{"width", &FontMap::Slot::width},
};

QByteArray slotKey(std::size_t slot, const char *name)
{
    return "slot" + QByteArray::number(qulonglong(slot)) + '.' + name;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// What percent-encoding leaves as it is.
bool isPlain(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.'
           || c == '_' || c == '~';
}

// A path's value is its bytes, any bytes; every other value is UTF-8 text.
std::optional<QString> decodeValue(QByteArrayView encoded, bool path)
{
    // Only plain characters, and '%' with two hex digits.
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            if (!isPlain(encoded[i]))
                return std::nullopt;
        } else if (encoded.size() - i < 3 || !isHexDigit(encoded[i + 1]) || !isHexDigit(encoded[i + 2])) {
            return std::nullopt;
        } else {
            i += 2;
        }
    }
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded.toByteArray());
    if (path)
        return pathFromNativeName(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QByteArray formatRecovery(const RecoveryRecord &record)
{
    QByteArray out = magic.toByteArray() + '\n';
    const auto line = [&out](const QByteArray &key, const QString &value) {
        out += key + '=' + value.toUtf8().toPercentEncoding() + '\n';
    };
    line("written", record.written.toUTC().toString(Qt::ISODateWithMs));
    // The path's own bytes, whatever they are (see core/localpath.h); a
    // save target never lost its bytes, since the open refuses such a name.
    out += "ini=" + nativeName(record.iniPath).toPercentEncoding() + '\n';
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const FontMap::Slot &slot = record.map.slotValues[i];
        for (const SlotText &text : slotTexts)
            line(slotKey(i, text.key), slot.*text.member);
        line(slotKey(i, "italic"), slot.italic ? QStringLiteral("1") : QStringLiteral("0"));
    }
    line("zoom", QString::number(record.map.zoom));
    line("chroma", record.map.chroma);
    line("fontPath", record.map.fontPath);
    return out.size() > maxRecoveryBytes ? QByteArray() : out;
}

std::optional<RecoveryRecord> parseRecovery(QByteArrayView bytes)
{
    if (bytes.size() > maxRecoveryBytes || !bytes.startsWith(magic) || !bytes.endsWith('\n'))
        return std::nullopt;
    RecoveryRecord record;
    std::set<QByteArray> seen;
    // Each key names where its value goes; a key not listed makes the file damaged.
    const auto take = [&](QByteArrayView key, const QString &value) -> bool {
        bool ok = true;
        if (key == "written") {
            record.written = QDateTime::fromString(value, Qt::ISODateWithMs);
            ok = record.written.isValid();
        } else if (key == "ini") {
            record.iniPath = value;
        } else if (key == "zoom") {
            record.map.zoom = value.toInt(&ok);
            ok = ok && record.map.zoom >= lowestZoom && record.map.zoom <= highestZoom;
        } else if (key == "chroma") {
            record.map.chroma = value;
        } else if (key == "fontPath") {
            record.map.fontPath = value;
        } else {
            ok = false;
            for (std::size_t i = 0; i < SlotCount && !ok; ++i) {
                FontMap::Slot &slot = record.map.slotValues[i];
                for (const SlotText &text : slotTexts) {
                    if (key == slotKey(i, text.key)) {
                        slot.*text.member = value;
                        ok = true;
                    }
                }
                if (key == slotKey(i, "italic")) {
                    ok = value == QLatin1String("0") || value == QLatin1String("1");
                    slot.italic = value == QLatin1String("1");
                }
            }
        }
        return ok;
    };
    qsizetype at = magic.size() + 1;
    if (bytes.size() < at || bytes[magic.size()] != '\n')
        return std::nullopt;
    while (at < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', at);
        const QByteArrayView line = bytes.sliced(at, end - at);
        at = end + 1;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            return std::nullopt;
        const QByteArray key = line.first(equals).toByteArray();
        const std::optional<QString> value = decodeValue(line.sliced(equals + 1), key == "ini");
        if (!value || !seen.insert(key).second || !take(key, *value))
            return std::nullopt;
    }
    // Every key once: nothing missing.
    const std::size_t expected = 5 + SlotCount * (slotTexts.size() + 1);
    if (seen.size() != expected)
        return std::nullopt;
    return record;
}
