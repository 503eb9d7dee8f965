#include "preview/previewlabels.h"

#include <cstring>

namespace {

enum Screen { Standby, Popup, Menu, Sms };

// Design face "Verdana"; sizes in points as designed.
constexpr double Small = 8.25, Title = 9.75, Popup9 = 9, SoftKey = 11.25;
constexpr bool Bold = true, Regular = false, Right = true, Left = false, Fits = true, Fixed = false;

// Rows in stacking order: a later label lies above an earlier one.
// name, slot, screen, box, caption, size, bold, alignment, fit,
// place in the face step, in the size step, field of the language file.
const std::array<PreviewLabelInfo, PreviewLabelCount> labels = {{
    {"operatorstandby", 3, Standby, 64, 8, 97, 33, "Operatore", Title, Regular, Left, Fixed, 2, 2, 2},
    {"modouso", 0, Standby, 72, 32, 89, 17, "Silenzioso", Small, Regular, Left, Fixed, 3, 3, 3},
    {"menustandby", 2, Standby, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed, 0, 0, 0},
    {"galleriastandby", 2, Standby, 96, 184, 81, 25, "Galleria", SoftKey, Regular, Right, Fixed, 1, 1, 1},
    {"operatorpop", 3, Popup, 64, 8, 97, 33, "Operatore", Title, Regular, Left, Fixed, 5, 6, 6},
    {"riga1pop", 1, Popup, 8, 56, 145, 25, "Riga 1", Popup9, Bold, Left, Fixed, 7, 7, 7},
    {"riga2pop", 1, Popup, 8, 80, 145, 25, "Riga 2", Popup9, Bold, Left, Fixed, 8, 8, 8},
    {"riga3pop", 1, Popup, 8, 104, 145, 25, "Riga 3", Popup9, Bold, Left, Fixed, 9, 9, 9},
    {"riga4pop", 1, Popup, 8, 128, 145, 25, "Riga 4", Popup9, Bold, Left, Fixed, 10, 10, 10},
    {"riga5pop", 1, Popup, 8, 152, 145, 25, "Riga 5", Popup9, Bold, Left, Fixed, 11, 11, 11},
    {"menupop", 2, Popup, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed, 4, 4, 4},
    {"galleriapop", 2, Popup, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed, 6, 5, 5},
    {"operatormenu", 3, Menu, 64, 8, 97, 33, "Menu", Title, Regular, Left, Fixed, 12, 14, 14},
    {"menu1", 4, Menu, 8, 80, 44, 13, "menu1", Small, Bold, Left, Fits, 15, 15, 15},
    {"menu2", 4, Menu, 72, 80, 44, 13, "menu2", Small, Bold, Left, Fits, 16, 16, 16},
    {"menu3", 4, Menu, 128, 80, 44, 13, "menu3", Small, Bold, Left, Fits, 17, 17, 17},
    {"menu4", 4, Menu, 8, 128, 44, 13, "menu4", Small, Bold, Left, Fits, 18, 18, 18},
    {"menu5", 4, Menu, 72, 128, 44, 13, "menu5", Small, Bold, Left, Fits, 19, 19, 19},
    {"menu6", 4, Menu, 128, 128, 44, 13, "menu6", Small, Bold, Left, Fits, 20, 20, 20},
    {"menu7", 4, Menu, 8, 168, 44, 13, "menu7", Small, Bold, Left, Fits, 21, 21, 21},
    {"menu8", 4, Menu, 72, 168, 44, 13, "menu8", Small, Bold, Left, Fits, 22, 22, 22},
    {"menu9", 4, Menu, 128, 168, 44, 13, "menu9", Small, Bold, Left, Fits, 23, 23, 23},
    {"menumenu", 2, Menu, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed, 13, 13, 12},
    {"galleriamenu", 2, Menu, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed, 14, 12, 13},
    {"operatorsms", 3, Sms, 64, 8, 97, 33, "SMS", Title, Regular, Left, Fixed, 25, 26, 26},
    {"ncar", 0, Sms, 56, 32, 49, 17, "160 (1)", Small, Regular, Left, Fixed, 26, 29, 27},
    {"riga1sms", 0, Sms, 16, 88, 169, 17, "abcdefghilmnopqrstuvz", Small, Regular, Left, Fixed, 27, 27, 28},
    {"riga2sms", 0, Sms, 8, 104, 137, 17, "1234567890", Small, Regular, Left, Fixed, 28, 28, 29},
    {"menusms", 2, Sms, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed, 29, 24, 24},
    {"galleriasms", 2, Sms, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed, 24, 25, 25},
}};

PreviewLabelOrder orderBy(int PreviewLabelInfo::*place)
{
    PreviewLabelOrder order{};
    for (std::size_t i = 0; i < labels.size(); ++i)
        order[std::size_t(labels[i].*place)] = i;
    return order;
}

} // namespace

const std::array<PreviewLabelInfo, PreviewLabelCount> &previewLabelTable()
{
    return labels;
}

const PreviewLabelOrder &faceStepOrder()
{
    static const PreviewLabelOrder order = orderBy(&PreviewLabelInfo::faceStep);
    return order;
}

const PreviewLabelOrder &sizeStepOrder()
{
    static const PreviewLabelOrder order = orderBy(&PreviewLabelInfo::sizeStep);
    return order;
}

const PreviewLabelOrder &languageFieldOrder()
{
    static const PreviewLabelOrder order = orderBy(&PreviewLabelInfo::languageField);
    return order;
}

int slotOfPreviewLabel(const char *labelName)
{
    for (const PreviewLabelInfo &label : labels) {
        if (std::strcmp(label.name, labelName) == 0)
            return int(label.slot);
    }
    return -1;
}
