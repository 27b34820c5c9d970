#include "app/commands/OptionToggles.h"

#include "app/RunCommand.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

namespace {

constexpr int RunAtLoginCommand = 32935;

} // namespace

bool toggleStoredOption(MenuModel& menu, RegistryStore& store, Settings& settings, int commandId,
                        int Settings::*option)
{
    const bool on = settings.*option == 0;
    settings.*option = on ? 1 : 0;
    menu.setChecked(commandId, on);
    if (const SettingDefinition* stored = settingFor(option)) {
        writeSetting(store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(stored->name),
                     on ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return on;
}

bool toggleRunAtLogin(MenuModel& menu, RegistryStore& store, Settings& settings)
{
    const bool on = !settings.runAtLogin;
    if (on)
        enableRunAtLogin(store, settings.runCommand);
    else
        disableRunAtLogin(store);
    settings.runAtLogin = on;
    menu.setChecked(RunAtLoginCommand, on);
    return on;
}

} // namespace verbalink
