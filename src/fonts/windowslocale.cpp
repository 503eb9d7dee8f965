#include "fonts/windowslocale.h"

namespace {

struct LocaleId
{
    QLocale::Language language;
    QLocale::Territory territory;
    std::uint16_t lcid;
};

// The first row of each language is its main identifier.
constexpr LocaleId localeIds[] = {
    {QLocale::English, QLocale::UnitedStates, 0x0409},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::Australia, 0x0C09},
    {QLocale::English, QLocale::Canada, 0x1009},
    {QLocale::English, QLocale::NewZealand, 0x1409},
    {QLocale::English, QLocale::Ireland, 0x1809},
    {QLocale::English, QLocale::SouthAfrica, 0x1C09},
    {QLocale::English, QLocale::India, 0x4009},
    {QLocale::Italian, QLocale::Italy, 0x0410},
    {QLocale::Italian, QLocale::Switzerland, 0x0810},
    {QLocale::German, QLocale::Germany, 0x0407},
    {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::Austria, 0x0C07},
    {QLocale::German, QLocale::Luxembourg, 0x1007},
    {QLocale::German, QLocale::Liechtenstein, 0x1407},
    {QLocale::French, QLocale::France, 0x040C},
    {QLocale::French, QLocale::Belgium, 0x080C},
    {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},
    {QLocale::French, QLocale::Luxembourg, 0x140C},
    {QLocale::Spanish, QLocale::Spain, 0x0C0A},
    {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Spanish, QLocale::Argentina, 0x2C0A},
    {QLocale::Spanish, QLocale::Colombia, 0x240A},
    {QLocale::Spanish, QLocale::Chile, 0x340A},
    {QLocale::Spanish, QLocale::UnitedStates, 0x540A},
    {QLocale::Portuguese, QLocale::Brazil, 0x0416},
    {QLocale::Portuguese, QLocale::Portugal, 0x0816},
    {QLocale::Dutch, QLocale::Netherlands, 0x0413},
    {QLocale::Dutch, QLocale::Belgium, 0x0813},
    {QLocale::Swedish, QLocale::Sweden, 0x041D},
    {QLocale::Swedish, QLocale::Finland, 0x081D},
    {QLocale::Danish, QLocale::Denmark, 0x0406},
    {QLocale::NorwegianBokmal, QLocale::Norway, 0x0414},
    {QLocale::NorwegianNynorsk, QLocale::Norway, 0x0814},
    {QLocale::Finnish, QLocale::Finland, 0x040B},
    {QLocale::Icelandic, QLocale::Iceland, 0x040F},
    {QLocale::Polish, QLocale::Poland, 0x0415},
    {QLocale::Czech, QLocale::CzechRepublic, 0x0405},
    {QLocale::Slovak, QLocale::Slovakia, 0x041B},
    {QLocale::Hungarian, QLocale::Hungary, 0x040E},
    {QLocale::Romanian, QLocale::Romania, 0x0418},
    {QLocale::Slovenian, QLocale::Slovenia, 0x0424},
    {QLocale::Croatian, QLocale::Croatia, 0x041A},
    {QLocale::Serbian, QLocale::Serbia, 0x281A},
    {QLocale::Bulgarian, QLocale::Bulgaria, 0x0402},
    {QLocale::Greek, QLocale::Greece, 0x0408},
    {QLocale::Turkish, QLocale::Turkey, 0x041F},
    {QLocale::Russian, QLocale::Russia, 0x0419},
    {QLocale::Ukrainian, QLocale::Ukraine, 0x0422},
    {QLocale::Belarusian, QLocale::Belarus, 0x0423},
    {QLocale::Lithuanian, QLocale::Lithuania, 0x0427},
    {QLocale::Latvian, QLocale::Latvia, 0x0426},
    {QLocale::Estonian, QLocale::Estonia, 0x0425},
    {QLocale::Catalan, QLocale::Spain, 0x0403},
    {QLocale::Basque, QLocale::Spain, 0x042D},
    {QLocale::Galician, QLocale::Spain, 0x0456},
    {QLocale::Albanian, QLocale::Albania, 0x041C},
    {QLocale::Macedonian, QLocale::Macedonia, 0x042F},
    {QLocale::Arabic, QLocale::SaudiArabia, 0x0401},
    {QLocale::Arabic, QLocale::Egypt, 0x0C01},
    {QLocale::Hebrew, QLocale::Israel, 0x040D},
    {QLocale::Persian, QLocale::Iran, 0x0429},
    {QLocale::Hindi, QLocale::India, 0x0439},
    {QLocale::Thai, QLocale::Thailand, 0x041E},
    {QLocale::Vietnamese, QLocale::Vietnam, 0x042A},
    {QLocale::Indonesian, QLocale::Indonesia, 0x0421},
    {QLocale::Malay, QLocale::Malaysia, 0x043E},
    {QLocale::Chinese, QLocale::China, 0x0804},
    {QLocale::Chinese, QLocale::Taiwan, 0x0404},
    {QLocale::Chinese, QLocale::HongKong, 0x0C04},
    {QLocale::Chinese, QLocale::Singapore, 0x1004},
    {QLocale::Chinese, QLocale::Macau, 0x1404},
    {QLocale::Japanese, QLocale::Japan, 0x0411},
    {QLocale::Korean, QLocale::SouthKorea, 0x0412},
};

} // namespace

std::uint32_t windowsLocaleId(const QLocale &locale)
{
    const LocaleId *main = nullptr;
    for (const LocaleId &id : localeIds) {
        if (id.language != locale.language())
            continue;
        if (id.territory == locale.territory())
            return id.lcid;
        if (!main)
            main = &id;
    }
    return main ? main->lcid : 0x0409;
}
