#pragma once

#include "translate/languages/LanguageMenu.h"

#include <array>

namespace verbalink {

// The persisted form of the selection: the engine number and the chosen command id of every
// language menu. A new one holds the defaults.
class LanguageStoredIds {
public:
    LanguageStoredIds();

    int translator() const { return m_translator; }
    void setTranslator(int number) { m_translator = number; }
    int commandId(LanguageMenu menu) const;
    void setCommandId(LanguageMenu menu, int commandId);

    bool operator==(const LanguageStoredIds&) const = default;

private:
    int m_translator = 1;
    std::array<int, LanguageMenuCount> m_commandIds{};
};

} // namespace verbalink
