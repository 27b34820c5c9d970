#include "translate/languages/LanguageMenu.h"

#include "platform/CommandId.h"

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
    {LanguageMenu::GoogleSource, false, CommandId::GoogleSourceAutoDetect, u"google-from"},
    {LanguageMenu::GoogleTarget, true, CommandId::GoogleTargetEnglish, u"google-to"},
    {LanguageMenu::Yahoo, true, CommandId::YahooEnglishToGerman, u"yahoo"},
    {LanguageMenu::BingSource, false, CommandId::BingSourceAutoDetect, u"bing-from"},
    {LanguageMenu::BingTarget, true, CommandId::BingTargetGerman, u"bing-to"},
    {LanguageMenu::BabylonSource, false, CommandId::BabylonSourceEnglish, u"babylon-from"},
    {LanguageMenu::BabylonTarget, true, CommandId::BabylonTargetGerman, u"babylon-to"},
    {LanguageMenu::SysTran, true, CommandId::SysTranEnglishToGerman, u"systran"},
    {LanguageMenu::PromtSource, false, CommandId::PromtSourceEnglish, u"promt-from"},
    {LanguageMenu::PromtTarget, true, CommandId::PromtTargetGerman, u"promt-to"},
    {LanguageMenu::Incoming, false, CommandId::IncomingDisabled, u"incoming"},
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
