#include "core/fontmap.h"

FontMap FontMap::initial()
{
    FontMap map;
    for (std::size_t i = 0; i < SlotCount; ++i)
        map.slotValues[i].size = QString::number(slotTable()[i].initialSize);
    return map;
}
