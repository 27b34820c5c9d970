#pragma once

#include "translate/languages/LanguageCheckMarks.h"

namespace verbalink {

class LanguageSelection;
class MenuModel;
struct Settings;

// The language and engine check marks on the tray menu, and the stored options behind the
// language selection: Translator, FromLang ... TranslateIncoming.
class LanguageMenus : public LanguageCheckMarks {
public:
    explicit LanguageMenus(MenuModel& menu);

    void setChecked(int commandId, bool checked) override;

private:
    MenuModel& m_menu;
};

// Start-up: restores the selection from the stored fields (ids that no menu entry has keep the
// menu's default), checking the chosen entries.
void restoreLanguageSelection(LanguageSelection& selection, const Settings& settings);
// Exit save: writes the current command id of every choice and the engine number back into the
// fields, for saveExitSettings.
void storeLanguageSelection(const LanguageSelection& selection, Settings& settings);

} // namespace verbalink
