#pragma once

#include "langtools/DictionaryCatalog.h"
#include "platform/CommandId.h"

#include <QByteArray>
#include <functional>

namespace verbalink {

class MenuModel;
class MessageBoxPort;
class SpellChecker;

// The "Spell Check" submenu: the dictionaries found at start-up, "Disabled", "Add Dictionaries"
// and "Help", and what choosing each does to the spell checker and the stored Dictionary value.
class SpellCheckMenu {
public:
    struct Links {
        MenuModel& menu;
        MessageBoxPort& boxes;
        SpellChecker& checker;
        // Opens a page of the product's web site.
        std::function<void(const QString& page)> openProductPage;
        // Told each time spell check is switched on or off.
        std::function<void(bool on)> enabledChanged;
    };

    SpellCheckMenu(Links links, QList<DictionaryEntry> entries, QString installDir);

    // Appends the entries and re-selects the stored dictionary (its exact path); any other
    // stored value becomes "0". helpLabel is the interface's word for "Help".
    void build(const QByteArray& storedDictionary, const QString& helpLabel);
    // The dictionary path to store, or "0".
    QByteArray storedValue() const { return m_stored; }
    // Runs one of the submenu's commands; false for any other id.
    bool handleCommand(int commandId);

    static QString helpText(const QString& installDir);

private:
    void select(int commandId);
    const DictionaryEntry* entry(int commandId) const;

    Links m_links;
    QList<DictionaryEntry> m_entries;
    QString m_installDir;
    QByteArray m_stored = "0";
};

} // namespace verbalink
