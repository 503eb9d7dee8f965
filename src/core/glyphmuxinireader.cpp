#include "core/glyphmuxinireader.h"

#include "core/glyphmuxini.h"
#include "core/linesafe.h"
#include "core/localpath.h"
#include "core/regularfile.h"
#include "core/slottable.h"
#include "core/textfile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace {

constexpr int maxNoteTextLength = 200;

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text;
    text.reserve(bytes.size() / 2 + 1);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = std::uint8_t(bytes[i]);
        const auto second = std::uint8_t(bytes[i + 1]);
        text += QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    if (bytes.size() % 2 != 0)
        text += QChar::ReplacementCharacter;
    return text;
}

QString decodeIniText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(bytes.sliced(2), false);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(bytes.sliced(2), true);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        // Declared UTF-8: damaged sequences become U+FFFD and their lines
        // are reported, instead of reading the whole file as another code page.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        return utf8.decode(bytes.sliced(3));
    }
    return decodeLocalText(bytes.toByteArray());
}

QList<QStringView> splitLines(const QString &text)
{
    QList<QStringView> lines;
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QChar c = all[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << all.sliced(start, i - start);
        if (c == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        lines << all.sliced(start);
    return lines;
}

// Control characters, unpaired surrogates and U+FFFD (what decoding left
// of damaged bytes) never reach the map: they could forge lines on save.
bool isUsable(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\t')
            continue;
        if (isLineBreaking(c) || c == QChar::ReplacementCharacter)
            return false;
        if (c.isHighSurrogate()) {
            if (i + 1 >= line.size() || !line[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

QString noteText(QStringView line)
{
    QString text = line.trimmed().left(maxNoteTextLength).toString();
    for (QChar &c : text) {
        if (isLineBreaking(c))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

// A whole number: optional sign, ASCII digits; huge values saturate.
bool readWholeNumber(QStringView text, qint64 &value)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return false;
    qint64 n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
        n = std::min<qint64>(n * 10 + (c.unicode() - u'0'), qint64(1) << 40);
    }
    value = negative ? -n : n;
    return true;
}

// Whether a size follows the '@' at 'at': spaces, a whole number, spaces,
// then ':' or the end. Scans only up to the first other character, so a
// line full of '@' costs linear time.
bool sizeFollows(QStringView value, qsizetype at)
{
    qsizetype i = at + 1;
    const auto skipSpaces = [&] {
        while (i < value.size() && value[i].isSpace())
            ++i;
    };
    skipSpaces();
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+'))
        ++i;
    const qsizetype digits = i;
    while (i < value.size() && value[i] >= u'0' && value[i] <= u'9')
        ++i;
    if (i == digits)
        return false;
    skipSpaces();
    return i == value.size() || value[i] == u':';
}

int findFaceEnd(QStringView value)
{
    for (qsizetype at = value.indexOf(u'@'); at >= 0; at = value.indexOf(u'@', at + 1)) {
        if (sizeFollows(value, at))
            return int(at);
    }
    return int(value.lastIndexOf(u'@'));
}

struct GlobalConstant {
    const char *key;
    qint64 value;
};
constexpr GlobalConstant globalConstants[] = {
    {"Enable", 1}, {"Nativefont", 0}, {"LogLevel", 5}, {"ForceAntiAliased", 4}};

enum class Section { None, Global, FontMap, Other };

struct AliasRead {
    std::size_t alias;
    int line;
    QString text;
    QString value;
};

class Parser
{
public:
    ParsedGlyphmuxIni result;

    void run(const QString &text)
    {
        result.map = FontMap::initial();
        const QList<QStringView> lines = splitLines(text);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_lineNumber = int(i) + 1;
            m_line = lines[i];
            readLine(lines[i].trimmed());
        }
        checkAliases();
        std::stable_sort(result.notes.begin(), result.notes.end(),
                         [](const IniNote &a, const IniNote &b) { return a.line < b.line; });
        if (result.notes.size() > maxIniNotes) {
            result.notesLeftOut = int(result.notes.size()) - maxIniNotes;
            result.notes.resize(maxIniNotes);
        }
    }

private:
    void note(IniNoteKind kind) { result.notes.append({m_lineNumber, noteText(m_line), kind}); }

    void readLine(QStringView line)
    {
        if (line.isEmpty() || line.startsWith(u';'))
            return;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            openSection(line.sliced(1, line.size() - 2).trimmed());
            return;
        }
        if (m_section == Section::Other)
            return; // reported once, at its header
        if (!isUsable(line)) {
            note(IniNoteKind::Undecodable);
            return;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || line.first(equals).trimmed().isEmpty()) {
            note(IniNoteKind::NotAKeyLine);
            return;
        }
        // Tabs may align keys and values but never enter a value.
        const QStringView value = line.sliced(equals + 1).trimmed();
        if (value.contains(u'\t')) {
            note(IniNoteKind::Undecodable);
            return;
        }
        readKey(line.first(equals).trimmed(), value);
    }

    void openSection(QStringView name)
    {
        if (name.compare(u"Global", Qt::CaseInsensitive) == 0) {
            m_section = Section::Global;
        } else if (name.compare(u"FontMap", Qt::CaseInsensitive) == 0) {
            m_section = Section::FontMap;
            result.isGlyphmuxIni = true;
        } else {
            m_section = Section::Other;
            note(IniNoteKind::UnknownSection);
        }
    }

    static bool is(QStringView key, const char *name)
    {
        return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    }

    // Known keys count in [Global], [FontMap] and before any section alike.
    void readKey(QStringView key, QStringView value)
    {
        const QString folded = key.toString().toCaseFolded();
        const bool known = isKnown(key);
        if (known && m_seen.contains(folded)) {
            note(IniNoteKind::Repeated);
            return;
        }
        if (!known) {
            note(IniNoteKind::UnknownKey);
            return;
        }
        m_seen << folded;

        const auto &slotDefs = slotTable();
        for (std::size_t s = 0; s < SlotCount; ++s) {
            if (is(key, slotDefs[s].key)) {
                result.isGlyphmuxIni = true;
                readSlot(s, value);
                return;
            }
        }
        const auto &aliases = aliasTable();
        for (std::size_t a = 0; a < AliasCount; ++a) {
            if (is(key, aliases[a].name)) {
                m_aliases.append({a, m_lineNumber, noteText(m_line), value.toString()});
                return;
            }
        }
        for (const GlobalConstant &constant : globalConstants) {
            qint64 number = 0;
            if (is(key, constant.key) && !(readWholeNumber(value, number) && number == constant.value))
                note(IniNoteKind::ConstantDiffers);
        }
        if (is(key, "ZoomRatio"))
            readNumber(value, 1, 300, [this](qint64 n) { result.map.zoom = int(n); });
        else if (is(key, "Chroma"))
            readNumber(value, 0, 100, [this](qint64 n) { result.map.chroma = QString::number(n); });
        else if (is(key, "ExtraFontFile"))
            result.map.fontPath = value.toString();
    }

    static bool isKnown(QStringView key)
    {
        for (const auto &slot : slotTable()) {
            if (is(key, slot.key))
                return true;
        }
        for (const auto &alias : aliasTable()) {
            if (is(key, alias.name))
                return true;
        }
        for (const GlobalConstant &constant : globalConstants) {
            if (is(key, constant.key))
                return true;
        }
        return is(key, "ZoomRatio") || is(key, "Chroma") || is(key, "ExtraFontFile");
    }

    template <typename Take>
    void readNumber(QStringView text, qint64 lowest, qint64 highest, Take take)
    {
        qint64 n = 0;
        if (!readWholeNumber(text, n)) {
            note(IniNoteKind::NotANumber);
            return;
        }
        if (n < lowest || n > highest)
            note(IniNoteKind::OutOfRange);
        take(std::clamp(n, lowest, highest));
    }

    void readSlot(std::size_t s, QStringView value)
    {
        FontMap::Slot &slot = result.map.slotValues[s];
        const int at = findFaceEnd(value);
        if (at < 0) {
            slot.face = value.toString();
            note(IniNoteKind::NotANumber); // no size
            return;
        }
        slot.face = value.first(at).trimmed().toString();
        const QList<QStringView> parts = value.sliced(at + 1).split(u':');
        readNumber(parts[0], slotTable()[s].lowestSize, maxSlotSize,
                   [&slot](qint64 n) { slot.size = QString::number(n); });
        bool unknownPart = false;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QStringView part = parts[i].trimmed();
            if (part.isEmpty())
                continue;
            const QChar marker = part.front().toUpper();
            if (marker == u'Y')
                slot.height = part.sliced(1).trimmed().toString();
            else if (marker == u'W')
                slot.width = part.sliced(1).trimmed().toString();
            else if (part.compare(u"I", Qt::CaseInsensitive) == 0)
                slot.italic = true;
            else
                unknownPart = true;
        }
        if (unknownPart)
            note(IniNoteKind::UnknownSlotPart);
    }

    // Alias lines follow slot 2 on save; say which ones will change.
    void checkAliases()
    {
        const FontMap &map = result.map;
        for (const AliasRead &read : m_aliases) {
            if (read.value != aliasValue(map, aliasTable()[read.alias]))
                result.notes.append({read.line, read.text, IniNoteKind::AliasRewritten});
        }
    }

    Section m_section = Section::None;
    int m_lineNumber = 0;
    QStringView m_line;
    QStringList m_seen;
    QList<AliasRead> m_aliases;
};

} // namespace

ParsedGlyphmuxIni parseGlyphmuxIni(QByteArrayView bytes)
{
    Parser parser;
    parser.run(decodeIniText(bytes));
    return std::move(parser.result);
}

GlyphmuxIniFile readGlyphmuxIniFile(const QString &path)
{
    GlyphmuxIniFile result;
    // A name whose bytes were lost would reach a look-alike file (and a save
    // would write there). Any other name is read by its exact bytes.
    if (nativeName(path).isNull()) {
        result.path = path;
        result.error = IniReadError::CannotRead;
        result.file = {FileError::Kind::LossyName, path, QFileDevice::OpenError, {}};
        return result;
    }
    result.path = absoluteNativePath(path);
    // Only regular files: opening a pipe or a device could block or never end.
    const RegularFile opened = openRegularFile(path);
    if (opened.failure != RegularFile::Failure::None) {
        const bool notRegular = opened.failure == RegularFile::Failure::NotRegular;
        result.error = notRegular || opened.error == ENOENT ? IniReadError::NotAFile : IniReadError::CannotRead;
        result.file = notRegular ? FileError{FileError::Kind::NotRegular, path, QFileDevice::OpenError, {}}
                                 : FileError{FileError::Kind::Open, path, QFileDevice::OpenError,
                                             qt_error_string(opened.error)};
        return result;
    }
    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result.error = IniReadError::CannotRead;
        result.file = {FileError::Kind::Open, path, file.error(), file.errorString()};
        return result;
    }
    if (file.size() > maxGlyphmuxIniBytes) {
        result.error = IniReadError::TooLarge;
        return result;
    }
    const QByteArray bytes = file.read(maxGlyphmuxIniBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = IniReadError::CannotRead;
        result.file = {FileError::Kind::Read, path, file.error(), file.errorString()};
        return result;
    }
    if (bytes.size() > maxGlyphmuxIniBytes) { // it grew while being read
        result.error = IniReadError::TooLarge;
        return result;
    }
    result.content = parseGlyphmuxIni(bytes);
    if (!result.content.isGlyphmuxIni)
        result.error = IniReadError::NotGlyphmuxIni;
    return result;
}
