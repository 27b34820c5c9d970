#pragma once

#include "translate/languages/LanguageMenu.h"

#include <QByteArrayView>
#include <QString>

namespace verbalink {

class LanguageTable;
class MenuModel;

// Gives the tray menu's entries their pictures as image keys: the flag of every language entry
// ("flag-<country>"), the services' lettermarks ("logo-<service>") and the top-level icons
// ("icon-<name>"). The view finds the picture of a key; the model only holds the key.
class MenuDecoration {
public:
    // The menu must outlive the decoration.
    explicit MenuDecoration(MenuModel& menu);

    // Right after the menu is loaded: Google's source and target entries of each language
    // together, then the incoming menu, Babylon, Bing, Yahoo, SysTran and Promt.
    void applyFlags();
    // Once the interface language is applied: the "Set Translator" lettermarks, then the
    // top-level icons from the first position to the last.
    void applyIcons(bool translationEnabled);
    // The first entry shows what its command does: OFF while translation is on, ON while off.
    void showTranslationState(bool translationEnabled);

    // The picture of a top-level position; empty for separators and positions without one.
    static QString topLevelKey(int position, bool translationEnabled);

private:
    void flagSourceAndTarget(LanguageMenu source, LanguageMenu target, QByteArrayView english);
    void flagIncoming();
    void flagPairs(LanguageMenu pairs);

    MenuModel& m_menu;
};

} // namespace verbalink
