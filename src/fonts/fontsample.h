#pragma once

#include <QCache>
#include <QColor>
#include <QImage>
#include <QString>

// A face's sample drawn straight from its file with QRawFont: nothing is
// registered, so nothing has to be unregistered (each removal makes Qt
// re-read every registered font). The font is let go once drawn.
namespace FontSample {

// 'text' in the face of the file at 'path', 'pixelSize' pixels high, in
// 'ink', cut at 'maxWidth'. Null when the file gives no usable font.
QImage draw(const QString &path, double pixelSize, const QString &text, int maxWidth, const QColor &ink);

} // namespace FontSample

// Drawn samples, kept up to a number of bytes; the least recently used go first.
class SampleCache final
{
public:
    explicit SampleCache(qsizetype maxBytes) : m_pictures(maxBytes) {}

    const QImage *find(const QString &key) const { return m_pictures.object(key); }
    void insert(const QString &key, const QImage &picture);
    void clear() { m_pictures.clear(); }
    qsizetype bytes() const { return m_pictures.totalCost(); }

private:
    QCache<QString, QImage> m_pictures;
};
