#include "core/localpath.h"

#include <QDir>

#include <climits>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

constexpr char16_t escapeBase = 0xDC00; // + a byte of 0x80..0xFF

bool isEscapedByte(char16_t c)
{
    return c >= escapeBase + 0x80 && c <= escapeBase + 0xFF;
}

// The length of the strict UTF-8 sequence (no overlong form, no surrogate,
// nothing past U+10FFFF) starting at 'at', and its code point; 0 if none.
int validSequence(const QByteArray &bytes, qsizetype at, char32_t &point)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0; };
    const uchar lead = byte(at);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        const uchar next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (next & 0x3F);
    }
    if (point < lowest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString pathFromNativeName(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t point = 0;
        const int length = validSequence(bytes, at, point);
        if (length == 0 || point == QChar::ReplacementCharacter) {
            for (int i = 0; i < qMax(length, 1); ++i)
                out += QChar(char16_t(escapeBase + uchar(bytes[at + i])));
            at += qMax(length, 1);
            continue;
        }
        out += QString::fromUcs4(&point, 1);
        at += length;
    }
    return out;
}

QByteArray nativeName(const QString &path)
{
    QByteArray out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (c == QChar::ReplacementCharacter)
            return {};
        if (QChar::isHighSurrogate(c) && i + 1 < path.size() && QChar::isLowSurrogate(path[i + 1].unicode())) {
            out += QStringView(path).sliced(i, 2).toUtf8();
            ++i;
        } else if (isEscapedByte(c)) {
            out += char(c - escapeBase);
        } else if (QChar::isSurrogate(c)) {
            return {};
        } else {
            out += QStringView(path).sliced(i, 1).toUtf8();
        }
    }
    // An empty path stays an empty, not a null, array.
    return out.isNull() ? QByteArray("") : out;
}

QString absoluteNativePath(const QString &path)
{
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
#ifdef Q_OS_WIN
    return QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + path);
#else
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer)) // a removed current folder: the name as it is
        return path;
    return QDir::cleanPath(pathFromNativeName(QByteArray(buffer)) + QLatin1Char('/') + path);
#endif
}

bool isLosslessPath(const QString &path)
{
    // An escaped byte is a lone surrogate, which valid UTF-16 never holds.
    return !path.contains(QChar::ReplacementCharacter) && path.isValidUtf16();
}

QString readablePath(const QString &path)
{
    QString out = QDir::toNativeSeparators(path);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i; // a character of its own, whatever its second half
        else if (isEscapedByte(out[i].unicode()))
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}
