#include "core/fontmapdocument.h"

FontMapDocument::FontMapDocument(QObject *parent)
    : QObject(parent)
{
}

template <typename T>
void FontMapDocument::store(T &value, const T &newValue, Field field, int slot)
{
    if (value == newValue)
        return;
    value = newValue;
    emit changed(field, slot);
}

void FontMapDocument::setFace(std::size_t slot, const QString &face)
{
    const FontMap::Slot &current = m_map.slotValues[slot];
    chooseFont(slot, face, face == current.face ? current.file : QString());
}

void FontMapDocument::chooseFont(std::size_t slot, const QString &face, const QString &file)
{
    FontMap::Slot &current = m_map.slotValues[slot];
    if (current.face == face && current.file == file)
        return;
    current.face = face;
    current.file = file;
    emit changed(Field::Face, int(slot));
}

void FontMapDocument::setSize(std::size_t slot, const QString &size)
{
    store(m_map.slotValues[slot].size, size, Field::Size, int(slot));
}

void FontMapDocument::setHeight(std::size_t slot, const QString &height)
{
    store(m_map.slotValues[slot].height, height, Field::Height, int(slot));
}

void FontMapDocument::setItalic(std::size_t slot, bool italic)
{
    store(m_map.slotValues[slot].italic, italic, Field::Italic, int(slot));
}

void FontMapDocument::setWidth(std::size_t slot, const QString &width)
{
    store(m_map.slotValues[slot].width, width, Field::Width, int(slot));
}

void FontMapDocument::setZoom(int zoom)
{
    store(m_map.zoom, zoom, Field::Zoom, -1);
}

void FontMapDocument::setChroma(const QString &chroma)
{
    store(m_map.chroma, chroma, Field::Chroma, -1);
}

void FontMapDocument::setFontPath(const QString &path)
{
    store(m_map.fontPath, path, Field::FontPath, -1);
}

void FontMapDocument::setMap(const FontMap &map)
{
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const FontMap::Slot &slot = map.slotValues[i];
        chooseFont(i, slot.face, slot.file);
        setSize(i, slot.size);
        setHeight(i, slot.height);
        setItalic(i, slot.italic);
        setWidth(i, slot.width);
    }
    setZoom(map.zoom);
    setChroma(map.chroma);
    setFontPath(map.fontPath);
}
