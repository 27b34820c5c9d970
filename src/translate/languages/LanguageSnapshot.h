#pragma once

#include "platform/CommandId.h"
#include "translate/languages/LanguageMenu.h"
#include "translate/languages/LanguageTable.h"
#include "translate/languages/TranslatorId.h"

#include <array>

namespace verbalink {

// A consistent copy of every language choice and the engine, as one translation uses them.
struct LanguageSnapshot {
    std::array<LanguageChoice, LanguageMenuCount> choices;
    TranslatorId translator = TranslatorId::Google;

    const LanguageChoice& choice(LanguageMenu menu) const
    {
        return choices[static_cast<std::size_t>(languageMenuIndex(menu))];
    }
    // Incoming translation is on for every incoming choice but "Disabled".
    bool incomingEnabled() const
    {
        return choice(LanguageMenu::Incoming).commandId != CommandId::IncomingDisabled;
    }
};

} // namespace verbalink
