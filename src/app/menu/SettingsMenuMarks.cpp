#include "app/menu/SettingsMenuMarks.h"

#include "app/Settings.h"
#include "app/menu/AvatarSizeMenu.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

void applySettingsToMenu(MenuModel& menu, const Settings& settings)
{
    menu.setChecked(33181, !settings.robotUserList.isEmpty());     // A.I. Talk Robot
    menu.setChecked(33371, !settings.translateOnlyList.isEmpty()); // User translation filter
    menu.setChecked(33184, settings.callAutoRecord != 0);          // Voice Call Recorder
    menu.setChecked(33193, settings.voicePlayback != 0);
    menu.setChecked(33376, settings.musicPlayback != 0);
    menu.setChecked(33328, settings.showTranslit != 0);
    menu.setChecked(33340, settings.showFlags != 0);
    // A stored size that no entry chooses checks nothing.
    for (const auto& [pixels, commandId] : avatarSizeEntries())
        menu.setChecked(commandId, settings.showAvatars == pixels);
    menu.setChecked(33354, settings.translateInChat != 0);
    menu.setChecked(32935, settings.runAtLogin); // Run with Windows
    menu.setChecked(33234, settings.encryptPopup != 0);
}

} // namespace verbalink
