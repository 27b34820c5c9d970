#include "app/LanguageMenus.h"

#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "translate/languages/LanguageSelection.h"

#include <array>

namespace verbalink {

namespace {

struct MenuField {
    LanguageMenu menu;
    int Settings::*field;
};

constexpr std::array<MenuField, LanguageMenuCount> MenuFields{{
    {LanguageMenu::GoogleSource, &Settings::fromLang},
    {LanguageMenu::GoogleTarget, &Settings::toLang},
    {LanguageMenu::Yahoo, &Settings::yahoo},
    {LanguageMenu::BingSource, &Settings::liveFrom},
    {LanguageMenu::BingTarget, &Settings::liveTo},
    {LanguageMenu::BabylonSource, &Settings::babylonFrom},
    {LanguageMenu::BabylonTarget, &Settings::babylonTo},
    {LanguageMenu::SysTran, &Settings::systran},
    {LanguageMenu::PromtSource, &Settings::promtFrom},
    {LanguageMenu::PromtTarget, &Settings::promtTo},
    {LanguageMenu::Incoming, &Settings::translateIncoming},
}};

} // namespace

LanguageMenus::LanguageMenus(MenuModel& menu) : m_menu(menu) {}

void LanguageMenus::setChecked(int commandId, bool checked)
{
    // Command ids are unique in the menu (the interface "German" answers to 33387, not 33226),
    // so the id names exactly the language entry.
    m_menu.setChecked(commandId, checked);
}

void restoreLanguageSelection(LanguageSelection& selection, const Settings& settings)
{
    LanguageStoredIds stored;
    stored.setTranslator(settings.translator);
    for (const MenuField& entry : MenuFields)
        stored.setCommandId(entry.menu, settings.*entry.field);
    selection.restore(stored);
}

void storeLanguageSelection(const LanguageSelection& selection, Settings& settings)
{
    const LanguageStoredIds stored = selection.storedIds();
    settings.translator = stored.translator();
    for (const MenuField& entry : MenuFields)
        settings.*entry.field = stored.commandId(entry.menu);
}

} // namespace verbalink
