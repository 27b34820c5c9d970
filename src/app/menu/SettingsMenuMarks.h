#pragma once

namespace verbalink {

class MenuModel;
struct Settings;

// Puts the check marks that mirror stored options on the tray menu, as the program does at
// start: the on/off options, the avatar size and the features that are on when their list of
// contacts is not empty.
void applySettingsToMenu(MenuModel& menu, const Settings& settings);

} // namespace verbalink
