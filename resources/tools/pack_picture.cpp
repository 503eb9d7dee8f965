// Turns a picture into the uncompressed form the program shows without
// decoding: a 16-byte header (magic, width, height, QImage::Format, each
// 32-bit little-endian) and then the rows, width * 4 bytes each.
// Usage: glyphmux-pack-picture in.png out.pixels
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: glyphmux-pack-picture in.png out.pixels\n", stderr);
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (image.depth() != 32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QByteArray out("GXP1", 4);
    for (const quint32 value : {quint32(image.width()), quint32(image.height()), quint32(image.format())}) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    }
    for (int y = 0; y < image.height(); ++y)
        out.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
