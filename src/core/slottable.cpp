#include "core/slottable.h"

#include <QtGlobal>

#include <cstring>

namespace {

constexpr const char *labels12b[] = {"riga1sms", "riga2sms", "ncar", "modouso"};
constexpr const char *labels13b[] = {"riga1pop", "riga2pop", "riga3pop", "riga4pop", "riga5pop"};
constexpr const char *labels17b[] = {"menustandby", "galleriastandby", "menupop", "galleriapop",
                                     "galleriamenu", "menumenu", "galleriasms", "menusms"};
constexpr const char *labels19b[] = {"operatorstandby", "operatorpop", "operatormenu", "operatorsms"};
constexpr const char *labels12p[] = {"menu1", "menu2", "menu3", "menu4", "menu5",
                                     "menu6", "menu7", "menu8", "menu9"};

template <std::size_t N>
constexpr NameList listOf(const char *const (&names)[N])
{
    return NameList{names, N};
}

// The information messages are translated where they are shown.
const std::array<SlotSpec, SlotCount> slotSpecs = {{
    {"LatinBold12", "dim12b", "H1", "IT1", "W1", "Label16", "Apri1", "CommonDialog1", "ttf12b", "info12b",
     QT_TRANSLATE_NOOP("SlotInfo", "Font degli sms e modo d'uso"), "Command4", "Command5", 12, 5, 4,
     listOf(labels12b)},
    {"LatinBold13", "dim13b", "H2", "IT2", "W2", "Label17", "Apri2", "CommonDialog2", "ttf13b", "info13b",
     QT_TRANSLATE_NOOP("SlotInfo", "Font del menu popup"), "Command7", "Command6", 12, 4, 3, listOf(labels13b)},
    {"LatinBold17", "dim17b", "H3", "IT3", "W3", "Label18", "Apri3", "CommonDialog3", "ttf17b", "info17b",
     QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nella parte bassa dello schermo"), "Command9", "Command8", 16, 4, 3,
     listOf(labels17b)},
    {"LatinBold19", "dim19b", "H4", "IT4", "W4", "Label19", "Apri4", "CommonDialog4", "ttf19b", "info19b",
     QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nella parte alta dello schermo"), "Command11", "Command10", 16, 4,
     3, listOf(labels19b)},
    {"LatinPlain12", "dim12p", "H5", "IT5", "W5", "Label20", "Apri5", "CommonDialog5", "ttf12p", "info12p",
     QT_TRANSLATE_NOOP("SlotInfo", "Font del testo nel menu"), "Command13", "Command12", 12, 5, 4,
     listOf(labels12p)},
}};

const std::array<AliasSpec, AliasCount> aliases = {{
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

const std::array<SlotSpec, SlotCount> &slotTable()
{
    return slotSpecs;
}

const std::array<AliasSpec, AliasCount> &aliasTable()
{
    return aliases;
}

int slotOfPreviewLabel(const char *labelName)
{
    for (std::size_t s = 0; s < slotSpecs.size(); ++s) {
        for (const char *name : slotSpecs[s].previewLabels) {
            if (std::strcmp(name, labelName) == 0)
                return static_cast<int>(s);
        }
    }
    return -1;
}
