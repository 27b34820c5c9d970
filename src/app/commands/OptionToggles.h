#pragma once

namespace verbalink {

class MenuModel;
class StoredSettings;
struct Settings;

// The plain on/off options of the menu: inverts the option, mirrors it in the entry's check
// mark and stores "1" or "0" at once. Returns the new state.
bool toggleStoredOption(MenuModel& menu, StoredSettings& settings, int commandId,
                        int Settings::*option);

// "Run with Windows": on removes the login entry; off checks the entry and registers the login
// command when there is one (a command of 2 characters or less only checks it).
bool toggleRunAtLogin(MenuModel& menu, StoredSettings& settings);

} // namespace verbalink
