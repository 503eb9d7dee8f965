#include "core/slottable.h"

#include <QtGlobal>

namespace {

// The information messages are translated where they are shown.
const std::array<SlotInfo, SlotCount> slotInfos = {{
    {"LatinBold12", "dim12b", "H1", "IT1", "W1", "Label16", "Apri1",
     //: Font of text messages and of the usage texts
     "info12b", QT_TRANSLATE_NOOP("SlotInfo", "Font degli sms e modo d'uso"),
     "Command4", "Command5", 12, 5, 4},
    {"LatinBold13", "dim13b", "H2", "IT2", "W2", "Label17", "Apri2",
     //: Font of the pop-up menu
     "info13b", QT_TRANSLATE_NOOP("SlotInfo", "Font del menu popup"),
     "Command7", "Command6", 12, 4, 3},
    {"LatinBold17", "dim17b", "H3", "IT3", "W3", "Label18", "Apri3",
     //: Font of the text at the bottom of the screen
     "info17b", QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nella parte bassa dello schermo"),
     "Command9", "Command8", 16, 4, 3},
    {"LatinBold19", "dim19b", "H4", "IT4", "W4", "Label19", "Apri4",
     //: Font of the text at the top of the screen
     "info19b", QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nella parte alta dello schermo"),
     "Command11", "Command10", 16, 4, 3},
    {"LatinPlain12", "dim12p", "H5", "IT5", "W5", "Label20", "Apri5",
     //: Font of the text in the menu
     "info12p", QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nel menu"),
     "Command13", "Command12", 12, 5, 4},
}};

const std::array<AliasLine, AliasCount> aliases = {{
    {"Alp13", 13, 1},
    {"Alp17", 17, 2},
    {"Alb17", 17, 2},
    {"Alpi12", 12, 1},
    {"Alpi13", 13, 1},
    {"Alpi17", 17, 2},
    {"Albi12", 12, 0},
    {"Albi13", 13, 1},
    {"Albi17b", 17, 2},
    {"Aco13", 13, 1},
    {"Acalc21", 21, 3},
    {"Acb14", 14, 1},
    {"Acb30", 30, 3},
    {"Acp5", 5, 0},
}};

} // namespace

const std::array<SlotInfo, SlotCount> &slotTable()
{
    return slotInfos;
}

const std::array<AliasLine, AliasCount> &aliasTable()
{
    return aliases;
}
