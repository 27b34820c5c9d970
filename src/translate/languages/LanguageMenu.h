#pragma once

#include <QString>
#include <array>

namespace verbalink {

// The eleven language menus, in the order a menu command is offered to them and the stored
// choices are restored at start.
enum class LanguageMenu {
    GoogleSource,
    GoogleTarget,
    Yahoo,
    BingSource,
    BingTarget,
    BabylonSource,
    BabylonTarget,
    SysTran,
    PromtSource,
    PromtTarget,
    Incoming,
};

inline constexpr int LanguageMenuCount = 11;

// The menus in routing order; index them with languageMenuIndex().
const std::array<LanguageMenu, LanguageMenuCount>& allLanguageMenus();
constexpr int languageMenuIndex(LanguageMenu menu)
{
    return static_cast<int>(menu);
}

// Whether the menu chooses a target language, so that its choice carries a flag (the Yahoo and
// SysTran pairs do: their flag is the target's).
bool isTargetMenu(LanguageMenu menu);
// The command id chosen when nothing (or nothing valid) is stored. For the incoming menu it
// is CommandId::IncomingDisabled: incoming translation is on for every other choice.
int defaultLanguageCommand(LanguageMenu menu);
// A short name for logs and test output, such as "google-from" (the menu's check group).
QString languageMenuName(LanguageMenu menu);

} // namespace verbalink
