#pragma once

#include "core/fontmap.h"

#include <QObject>

// The font map being edited. Controls write it, the preview and the file
// writer read it; every edit that changes a value is announced once, after
// the value has been stored.
class FontMapDocument final : public QObject
{
    Q_OBJECT
public:
    // Face: the face name or the file it came from changed.
    enum class Field { Face, Size, Height, Italic, Width, Zoom, Chroma, FontPath };
    Q_ENUM(Field)

    explicit FontMapDocument(QObject *parent = nullptr);

    const FontMap &map() const { return m_map; }
    const FontMap::Slot &slotValue(std::size_t slot) const { return m_map.slotValues[slot]; }

    // A face typed by hand: another name drops the file, the same name keeps it.
    void setFace(std::size_t slot, const QString &face);
    // A face and the file it came from (empty: none), stored and announced
    // together. Every way of choosing a font ends here.
    void chooseFont(std::size_t slot, const QString &face, const QString &file);
    void setSize(std::size_t slot, const QString &size);
    void setHeight(std::size_t slot, const QString &height);
    void setItalic(std::size_t slot, bool italic);
    void setWidth(std::size_t slot, const QString &width);
    void setZoom(int zoom);
    void setChroma(const QString &chroma);
    void setFontPath(const QString &path);
    // Replaces the whole map, files included, announcing each value that differs.
    void setMap(const FontMap &map);

signals:
    // 'slot' is the slot's index for the per-slot fields, -1 for the globals.
    void changed(FontMapDocument::Field field, int slot);

private:
    template <typename T>
    void store(T &value, const T &newValue, Field field, int slot);

    FontMap m_map = FontMap::initial();
};
