#include "translate/languages/LanguageMenu.h"

namespace verbalink {

namespace {

struct MenuFacts {
    LanguageMenu menu;
    bool target;
    int defaultCommand;
    const char16_t* name;
};

// Defaults: Google Auto Detect to English, Yahoo and SysTran English to German, Bing
// Auto-Detect to German, Babylon and Promt English to German, incoming disabled.
constexpr std::array<MenuFacts, LanguageMenuCount> Facts{{
    {LanguageMenu::GoogleSource, false, 32785, u"google-from"},
    {LanguageMenu::GoogleTarget, true, 32825, u"google-to"},
    {LanguageMenu::Yahoo, true, 32869, u"yahoo"},
    {LanguageMenu::BingSource, false, 33001, u"bing-from"},
    {LanguageMenu::BingTarget, true, 33022, u"bing-to"},
    {LanguageMenu::BabylonSource, false, 32940, u"babylon-from"},
    {LanguageMenu::BabylonTarget, true, 32971, u"babylon-to"},
    {LanguageMenu::SysTran, true, 33121, u"systran"},
    {LanguageMenu::PromtSource, false, 33208, u"promt-from"},
    {LanguageMenu::PromtTarget, true, 33218, u"promt-to"},
    {LanguageMenu::Incoming, false, IncomingDisabledCommand, u"incoming"},
}};

const MenuFacts& factsOf(LanguageMenu menu)
{
    return Facts[static_cast<std::size_t>(languageMenuIndex(menu))];
}

} // namespace

const std::array<LanguageMenu, LanguageMenuCount>& allLanguageMenus()
{
    static constexpr std::array<LanguageMenu, LanguageMenuCount> Menus{
        LanguageMenu::GoogleSource,  LanguageMenu::GoogleTarget, LanguageMenu::Yahoo,
        LanguageMenu::BingSource,    LanguageMenu::BingTarget,   LanguageMenu::BabylonSource,
        LanguageMenu::BabylonTarget, LanguageMenu::SysTran,      LanguageMenu::PromtSource,
        LanguageMenu::PromtTarget,   LanguageMenu::Incoming};
    return Menus;
}

bool isTargetMenu(LanguageMenu menu)
{
    return factsOf(menu).target;
}

int defaultLanguageCommand(LanguageMenu menu)
{
    return factsOf(menu).defaultCommand;
}

QString languageMenuName(LanguageMenu menu)
{
    return QString::fromUtf16(factsOf(menu).name);
}

} // namespace verbalink
