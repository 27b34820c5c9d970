#include "app/commands/OptionToggles.h"

#include "app/StoredSettings.h"
#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"

namespace verbalink {

bool toggleStoredOption(MenuModel& menu, StoredSettings& settings, int commandId,
                        int Settings::*option)
{
    const bool on = settings.values().*option == 0;
    settings.setFlag(option, on);
    menu.setChecked(commandId, on);
    return on;
}

bool toggleRunAtLogin(MenuModel& menu, StoredSettings& settings)
{
    const bool on = !settings.values().runAtLogin;
    settings.setRunAtLogin(on);
    menu.setChecked(CommandId::RunAtLogin, on);
    return on;
}

} // namespace verbalink
