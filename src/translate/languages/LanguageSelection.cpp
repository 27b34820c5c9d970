#include "translate/languages/LanguageSelection.h"

#include "translate/languages/LanguageTables.h"

namespace verbalink {

namespace {

LanguageChoice choiceFor(LanguageMenu menu, const LanguageEntry& entry)
{
    LanguageChoice choice;
    choice.commandId = entry.commandId;
    choice.code = entry.code;
    if (isTargetMenu(menu))
        choice.flag = entry.flag;
    return choice;
}

LanguageChoice& choiceIn(LanguageSnapshot& state, LanguageMenu menu)
{
    return state.choices[static_cast<std::size_t>(languageMenuIndex(menu))];
}

} // namespace

LanguageSelection::LanguageSelection(LanguageCheckMarks& checkMarks) : m_checkMarks(checkMarks)
{
    for (LanguageMenu menu : allLanguageMenus()) {
        if (const LanguageEntry* entry =
                LanguageTables::table(menu).byCommand(defaultLanguageCommand(menu)))
            choiceIn(m_state, menu) = choiceFor(menu, *entry);
    }
}

bool LanguageSelection::select(LanguageMenu menu, int commandId)
{
    const LanguageEntry* entry = LanguageTables::table(menu).byCommand(commandId);
    if (!entry)
        return false;
    int previous = 0;
    {
        const std::lock_guard lock(m_mutex);
        LanguageChoice& current = choiceIn(m_state, menu);
        previous = current.commandId;
        current = choiceFor(menu, *entry);
    }
    // Cleared first so that choosing the checked entry again leaves it checked.
    if (previous != 0)
        m_checkMarks.setChecked(previous, false);
    m_checkMarks.setChecked(commandId, true);
    return true;
}

bool LanguageSelection::route(int commandId)
{
    bool taken = false;
    for (LanguageMenu menu : allLanguageMenus())
        taken = select(menu, commandId) || taken;
    return taken;
}

void LanguageSelection::setTranslator(int number)
{
    const TranslatorId translator = translatorFromNumber(number);
    {
        const std::lock_guard lock(m_mutex);
        m_state.translator = translator;
    }
    for (TranslatorId each : allTranslators())
        m_checkMarks.setChecked(translatorCommandId(each), false);
    m_checkMarks.setChecked(translatorCommandId(translator), true);
}

bool LanguageSelection::selectTranslatorCommand(int commandId)
{
    const std::optional<TranslatorId> translator = translatorForCommand(commandId);
    if (!translator)
        return false;
    setTranslator(translatorNumber(*translator));
    return true;
}

void LanguageSelection::restore(const LanguageStoredIds& stored)
{
    for (LanguageMenu menu : allLanguageMenus()) {
        if (!select(menu, stored.commandId(menu)))
            select(menu, defaultLanguageCommand(menu));
    }
    setTranslator(stored.translator());
}

LanguageStoredIds LanguageSelection::storedIds() const
{
    const LanguageSnapshot state = snapshot();
    LanguageStoredIds stored;
    stored.setTranslator(translatorNumber(state.translator));
    for (LanguageMenu menu : allLanguageMenus())
        stored.setCommandId(menu, state.choice(menu).commandId);
    return stored;
}

LanguageSnapshot LanguageSelection::snapshot() const
{
    const std::lock_guard lock(m_mutex);
    return m_state;
}

LanguageChoice LanguageSelection::choice(LanguageMenu menu) const
{
    const std::lock_guard lock(m_mutex);
    return m_state.choice(menu);
}

TranslatorId LanguageSelection::translator() const
{
    const std::lock_guard lock(m_mutex);
    return m_state.translator;
}

bool LanguageSelection::incomingEnabled() const
{
    const std::lock_guard lock(m_mutex);
    return m_state.incomingEnabled();
}

} // namespace verbalink
