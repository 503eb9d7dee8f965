#include "fonts/fontsample.h"

#include "fonts/bytereader.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <cmath>

namespace FontSample {

namespace {
// Larger than any face a phone loads; the file is read whole to be drawn.
constexpr std::uint64_t largestFile = 48 << 20;
} // namespace

QImage draw(const QString &path, double pixelSize, const QString &text, int maxWidth, const QColor &ink)
{
    // Read as a regular file only, whatever took the path's place since the scan.
    const FileSource source(path);
    if (!source.isOpen() || source.size() > largestFile || maxWidth <= 0)
        return QImage();
    const std::optional<QByteArray> bytes = source.readAt(0, source.size());
    QRawFont font;
    if (bytes)
        font.loadFromData(*bytes, pixelSize, QFont::PreferDefaultHinting);
    if (!font.isValid())
        return QImage();
    QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    qreal x = 0;
    for (qsizetype i = 0; i < glyphs.size() && i < advances.size() && x < maxWidth; ++i) {
        positions.append(QPointF(x, 0));
        x += advances[i].x();
    }
    glyphs = glyphs.first(positions.size());
    const int width = std::max(1, std::min(maxWidth, int(std::ceil(x))));
    const int height = std::max(1, int(std::ceil(font.ascent() + font.descent())));
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    QPainter painter(&picture);
    painter.setPen(ink);
    painter.drawGlyphRun(QPointF(0, font.ascent()), run);
    return picture;
}

} // namespace FontSample

void SampleCache::insert(const QString &key, const QImage &picture)
{
    m_pictures.insert(key, new QImage(picture), std::max<qsizetype>(1, picture.sizeInBytes()));
}
