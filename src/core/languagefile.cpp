#include "core/languagefile.h"

const std::array<CaptionField, CaptionFieldCount> &captionTable()
{
    static const std::array<CaptionField, CaptionFieldCount> table = {{
        // Standby screen
        {"menustandby", "Menu"},
        {"galleriastandby", "Galleria"},
        {"operatorstandby", "Operatore"},
        {"modouso", "Silenzioso"},
        // Pop-up screen
        {"menupop", "Menu"},
        {"galleriapop", "Opzioni"},
        {"operatorpop", "Operatore"},
        {"riga1pop", "Riga 1"},
        {"riga2pop", "Riga 2"},
        {"riga3pop", "Riga 3"},
        {"riga4pop", "Riga 4"},
        {"riga5pop", "Riga 5"},
        // Menu screen
        {"menumenu", "Menu"},
        {"galleriamenu", "Opzioni"},
        {"operatormenu", "Menu"},
        {"menu1", "menu1"},
        {"menu2", "menu2"},
        {"menu3", "menu3"},
        {"menu4", "menu4"},
        {"menu5", "menu5"},
        {"menu6", "menu6"},
        {"menu7", "menu7"},
        {"menu8", "menu8"},
        {"menu9", "menu9"},
        // SMS screen
        {"menusms", "Menu"},
        {"galleriasms", "Opzioni"},
        {"operatorsms", "SMS"},
        {"ncar", "160 (1)"},
        {"riga1sms", "abcdefghilmnopqrstuvz"},
        {"riga2sms", "1234567890"},
        // Font map editor
        {"Frame2", "Nomi dei font"},
        {"Frame4", "Dimensioni del font"},
        {"Frame3", "Parametri aggiuntivi"},
        {"Frame5", "Altri parametri"},
        {"Label37", "Altezza"},
        {"Label38", "Corsivo"},
        {"Label2", "Larghezza"},
        {"Label6", "Percorso Font"},
        // Phone-model window
        {"Form2", "Scegli il modello di cellulare"},
    }};
    return table;
}

QStringList splitLanguageFields(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('|'));
}

QString languageFileFilter()
{
    return QStringLiteral("Language file (*.lng)");
}
