#include "core/textfile.h"

#include "core/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString decodeWindows1252(const QByteArray &bytes)
{
    // Debian's Qt knows this code page through ICU; a Qt without ICU does
    // not, and Latin-1 is the closest it offers.
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace

QString decodeLocalText(const QByteArray &bytes)
{
    // Stateless, or a sequence cut short at the end would vanish unnoticed
    // instead of counting as an error.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes); // decode() is lazy: convert first, then ask
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeWindows1252(bytes);
}

QByteArray encodeLocalText(const QString &text)
{
    return text.toUtf8();
}

FirstLine readFirstLine(const QString &path, CutAtComma cut)
{
    FirstLine result;
    if (path.isEmpty() || path.contains(QChar(0))) {
        result.error = {FileError::Kind::InvalidName, path, QFileDevice::OpenError, {}};
        return result;
    }
    if (QFileInfo(path).isDir()) {
        result.error = {FileError::Kind::IsFolder, path, QFileDevice::OpenError, {}};
        return result;
    }
    // A pipe or a device would block the program; it reads like a file that is not there.
    const RegularFile opened = openRegularFile(path);
    if (opened.failure != RegularFile::Failure::None) {
        result.error = opened.failure == RegularFile::Failure::NotRegular
            ? FileError{FileError::Kind::NotRegular, path, QFileDevice::OpenError, {}}
            : FileError{FileError::Kind::Open, path, QFileDevice::OpenError, qt_error_string(opened.error)};
        return result;
    }
    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result.error = {FileError::Kind::Open, path, file.error(), file.errorString()};
        return result;
    }

    QByteArray line;
    constexpr qint64 chunkSize = 64 * 1024;
    for (;;) {
        const QByteArray chunk = file.read(qMin(chunkSize, maxLineBytes - line.size()));
        if (file.error() != QFileDevice::NoError) {
            result.error = {FileError::Kind::Read, path, file.error(), file.errorString()};
            return result;
        }
        qsizetype end = -1;
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            const char c = chunk[i];
            if (c == '\r' || c == '\n' || (c == ',' && cut == CutAtComma::Yes)) {
                end = i;
                break;
            }
        }
        line += end < 0 ? chunk : chunk.left(end);
        if (end >= 0 || chunk.isEmpty() || line.size() >= maxLineBytes)
            break;
    }
    result.ok = true;
    result.text = decodeLocalText(line);
    return result;
}
