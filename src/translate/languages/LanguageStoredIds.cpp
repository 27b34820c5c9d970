#include "translate/languages/LanguageStoredIds.h"

namespace verbalink {

LanguageStoredIds::LanguageStoredIds()
{
    for (LanguageMenu menu : allLanguageMenus())
        setCommandId(menu, defaultLanguageCommand(menu));
}

int LanguageStoredIds::commandId(LanguageMenu menu) const
{
    return m_commandIds[static_cast<std::size_t>(languageMenuIndex(menu))];
}

void LanguageStoredIds::setCommandId(LanguageMenu menu, int commandId)
{
    m_commandIds[static_cast<std::size_t>(languageMenuIndex(menu))] = commandId;
}

} // namespace verbalink
