#include "preview/storedpicture.h"

#include <QImage>
#include <QResource>
#include <QtEndian>

namespace {

constexpr qsizetype headerSize = 16;

} // namespace

QPixmap storedPicture(const QString &resource)
{
    const QResource file(resource);
    // Stored uncompressed, the bytes lie in the program itself for its whole run.
    const bool inProgram = file.compressionAlgorithm() == QResource::NoCompression;
    const QByteArray data = inProgram ? QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()), file.size())
                                      : file.uncompressedData();
    if (data.size() < headerSize || !data.startsWith("GXP1"))
        return {};
    const auto field = [&](int i) { return qFromLittleEndian<quint32>(data.constData() + 4 * i); };
    const quint32 width = field(1), height = field(2), format = field(3);
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) || width == 0 || height == 0
        || width > 4096 || height > 4096 || quint64(data.size() - headerSize) != quint64(width) * height * 4)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(data.constData() + headerSize);
    const QImage image(pixels, int(width), int(height), int(width * 4), static_cast<QImage::Format>(format));
    // Shown in place when the rows are aligned as QImage needs; copied otherwise.
    const bool inPlace = inProgram && reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0;
    return QPixmap::fromImage(inPlace ? image : image.copy());
}
