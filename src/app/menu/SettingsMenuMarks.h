#pragma once

#include <QStringView>

namespace verbalink {

class MenuModel;
struct Settings;

// Puts the check marks that mirror stored options on the tray menu, as the program does at
// start: the on/off options, the avatar size and the features that are on when their list of
// contacts is not empty.
void applySettingsToMenu(MenuModel& menu, const Settings& settings);
// The same for the one option stored under `name`, after it changed; other names mark nothing.
void applySettingToMenu(MenuModel& menu, const Settings& settings, QStringView name);

} // namespace verbalink
