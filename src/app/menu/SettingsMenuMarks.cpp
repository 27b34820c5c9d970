#include "app/menu/SettingsMenuMarks.h"

#include "app/Settings.h"
#include "app/menu/MenuModel.h"

#include <array>
#include <utility>

namespace verbalink {

namespace {

// Avatar sizes in pixels and the entries that choose them; other stored sizes check nothing.
constexpr std::array<std::pair<int, int>, 4> AvatarEntries{
    {{0, 33380}, {256, 33381}, {128, 33383}, {96, 33382}}};

} // namespace

void applySettingsToMenu(MenuModel& menu, const Settings& settings)
{
    menu.setChecked(33181, !settings.robotUserList.isEmpty());     // A.I. Talk Robot
    menu.setChecked(33371, !settings.translateOnlyList.isEmpty()); // User translation filter
    menu.setChecked(33184, settings.callAutoRecord != 0);          // Voice Call Recorder
    menu.setChecked(33193, settings.voicePlayback != 0);
    menu.setChecked(33376, settings.musicPlayback != 0);
    menu.setChecked(33328, settings.showTranslit != 0);
    menu.setChecked(33340, settings.showFlags != 0);
    for (const auto& [pixels, commandId] : AvatarEntries)
        menu.setChecked(commandId, settings.showAvatars == pixels);
    menu.setChecked(33354, settings.translateInChat != 0);
    menu.setChecked(32935, settings.runAtLogin); // Run with Windows
    menu.setChecked(33234, settings.encryptPopup != 0);
}

} // namespace verbalink
