#include "preview/previewlabels.h"

namespace {

enum Screen { Standby, Popup, Menu, Sms };

// Design face "Verdana"; sizes in points as designed.
constexpr double Small = 8.25, Title = 9.75, Popup9 = 9, SoftKey = 11.25;
constexpr bool Bold = true, Regular = false, Right = true, Left = false, Fits = true, Fixed = false;

const std::array<PreviewLabelInfo, PreviewLabelCount> labels = {{
    {"operatorstandby", Standby, 64, 8, 97, 33, "Operatore", Title, Regular, Left, Fixed},
    {"modouso", Standby, 72, 32, 89, 17, "Silenzioso", Small, Regular, Left, Fixed},
    {"menustandby", Standby, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed},
    {"galleriastandby", Standby, 96, 184, 81, 25, "Galleria", SoftKey, Regular, Right, Fixed},
    {"operatorpop", Popup, 64, 8, 97, 33, "Operatore", Title, Regular, Left, Fixed},
    {"riga1pop", Popup, 8, 56, 145, 25, "Riga 1", Popup9, Bold, Left, Fixed},
    {"riga2pop", Popup, 8, 80, 145, 25, "Riga 2", Popup9, Bold, Left, Fixed},
    {"riga3pop", Popup, 8, 104, 145, 25, "Riga 3", Popup9, Bold, Left, Fixed},
    {"riga4pop", Popup, 8, 128, 145, 25, "Riga 4", Popup9, Bold, Left, Fixed},
    {"riga5pop", Popup, 8, 152, 145, 25, "Riga 5", Popup9, Bold, Left, Fixed},
    {"menupop", Popup, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed},
    {"galleriapop", Popup, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed},
    {"operatormenu", Menu, 64, 8, 97, 33, "Menu", Title, Regular, Left, Fixed},
    {"menu1", Menu, 8, 80, 44, 13, "menu1", Small, Bold, Left, Fits},
    {"menu2", Menu, 72, 80, 44, 13, "menu2", Small, Bold, Left, Fits},
    {"menu3", Menu, 128, 80, 44, 13, "menu3", Small, Bold, Left, Fits},
    {"menu4", Menu, 8, 128, 44, 13, "menu4", Small, Bold, Left, Fits},
    {"menu5", Menu, 72, 128, 44, 13, "menu5", Small, Bold, Left, Fits},
    {"menu6", Menu, 128, 128, 44, 13, "menu6", Small, Bold, Left, Fits},
    {"menu7", Menu, 8, 168, 44, 13, "menu7", Small, Bold, Left, Fits},
    {"menu8", Menu, 72, 168, 44, 13, "menu8", Small, Bold, Left, Fits},
    {"menu9", Menu, 128, 168, 44, 13, "menu9", Small, Bold, Left, Fits},
    {"menumenu", Menu, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed},
    {"galleriamenu", Menu, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed},
    {"operatorsms", Sms, 64, 8, 97, 33, "SMS", Title, Regular, Left, Fixed},
    {"ncar", Sms, 56, 32, 49, 17, "160 (1)", Small, Regular, Left, Fixed},
    {"riga1sms", Sms, 16, 88, 169, 17, "abcdefghilmnopqrstuvz", Small, Regular, Left, Fixed},
    {"riga2sms", Sms, 8, 104, 137, 17, "1234567890", Small, Regular, Left, Fixed},
    {"menusms", Sms, 0, 184, 89, 25, "Menu", SoftKey, Regular, Left, Fixed},
    {"galleriasms", Sms, 96, 184, 81, 25, "Opzioni", SoftKey, Regular, Right, Fixed},
}};

const PreviewLabelOrder faceOrder = {
    "menustandby", "galleriastandby", "operatorstandby", "modouso", "menupop", "operatorpop",
    "galleriapop", "riga1pop", "riga2pop", "riga3pop", "riga4pop", "riga5pop",
    "operatormenu", "menumenu", "galleriamenu", "menu1", "menu2", "menu3",
    "menu4", "menu5", "menu6", "menu7", "menu8", "menu9",
    "galleriasms", "operatorsms", "ncar", "riga1sms", "riga2sms", "menusms",
};

const PreviewLabelOrder sizeOrder = {
    "menustandby", "galleriastandby", "operatorstandby", "modouso", "menupop", "galleriapop",
    "operatorpop", "riga1pop", "riga2pop", "riga3pop", "riga4pop", "riga5pop",
    "galleriamenu", "menumenu", "operatormenu", "menu1", "menu2", "menu3",
    "menu4", "menu5", "menu6", "menu7", "menu8", "menu9",
    "menusms", "galleriasms", "operatorsms", "riga1sms", "riga2sms", "ncar",
};

} // namespace

const std::array<PreviewLabelInfo, PreviewLabelCount> &previewLabelTable()
{
    return labels;
}

const PreviewLabelOrder &faceStepOrder()
{
    return faceOrder;
}

const PreviewLabelOrder &sizeStepOrder()
{
    return sizeOrder;
}
