#pragma once

#include "translate/languages/LanguageMenu.h"
#include "translate/languages/LanguageTable.h"

namespace verbalink {

// The fixed tables of the eleven language menus: command id to service code and, for target
// menus, flag code. Entries are in menu order.
//
// Command id 33226 is the Bing target "Catalan" here and nothing else: the interface menu's
// "German (Deutsch)" answers to its own id (33387) and only stores 33226, so a stored LiveTo of
// 33226 restores Catalan and the Bing table never sees the interface command.
class LanguageTables {
public:
    // Built once, on first use, and never changed; safe to read from any thread.
    static const LanguageTable& table(LanguageMenu menu);
};

} // namespace verbalink
