#pragma once

#include "translate/languages/LanguageCheckMarks.h"
#include "translate/languages/LanguageSnapshot.h"
#include "translate/languages/LanguageStoredIds.h"

#include <mutex>

namespace verbalink {

// The current choice of every language menu and the engine: the select operations the menu
// commands run, the start-up restore from stored ids and the values saved at exit. Each choice
// begins as its menu's default entry.
//
// Threads: the selecting operations (select, route, setTranslator, restore) run on one thread,
// the main thread; the translation threads read at the same time. Readers get copies taken
// under a lock, and a snapshot() holds every choice of one moment, so a translation never mixes
// a new source with an old target. Check marks are set outside the lock.
class LanguageSelection {
public:
    explicit LanguageSelection(LanguageCheckMarks& checkMarks);

    // Chooses the entry with that command id in that menu and moves the menu's check mark to it.
    // An id the menu does not have changes nothing; returns whether the menu took it.
    bool select(LanguageMenu menu, int commandId);
    // Offers a menu command to all eleven menus in routing order; true when one took it.
    bool route(int commandId);

    // Chooses the engine by number (outside 1..6: Google) and checks its "Set Translator" entry
    // after clearing all six.
    void setTranslator(int number);
    // The same for a "Set Translator" command; false for any other command id.
    bool selectTranslatorCommand(int commandId);

    // Start-up: each menu selects its stored id in routing order, then the engine is set. A
    // stored id the menu does not have selects the menu's default entry instead, so every menu
    // has a valid choice and a check mark.
    void restore(const LanguageStoredIds& stored);
    // What the exit save writes.
    LanguageStoredIds storedIds() const;

    LanguageSnapshot snapshot() const;
    LanguageChoice choice(LanguageMenu menu) const;
    TranslatorId translator() const;
    bool incomingEnabled() const;

private:
    LanguageCheckMarks& m_checkMarks;
    mutable std::mutex m_mutex;
    LanguageSnapshot m_state;
};

} // namespace verbalink
