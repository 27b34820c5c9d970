#pragma once

#include "skype/ContactLookups.h"
#include "translate/filter/TranslationFilterStore.h"
#include "translate/filter/TranslationRule.h"
#include "translate/filter/TranslationRuleEditForm.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace verbalink {

class MessageBoxPort;
class TranslationFilter;

// What the "User translation filter" dialog does, without the widgets: the contact choice, the
// list lines ("user\t -> language"), Add, Remove, Remove All, editing a line through
// TranslationRuleEditForm, and Close, which stores the rules. Every change reaches the shared
// rule list at once, so the next message already follows it.
class TranslationFilterForm {
public:
    using Contacts = ContactLookups;

    struct CloseResult {
        // Whether the "User translation filter" menu item is to be checked.
        bool menuChecked = false;
        bool saved = false;
    };

    // Separates the user from the language in a list line.
    static constexpr auto LineSeparator = u"\t -> ";
    // The longest user text Add takes from the contact box.
    static constexpr qsizetype MaxUserText = 255;

    TranslationFilterForm(TranslationFilter& filter, TranslationFilterStore store,
                          Contacts contacts, MessageBoxPort& boxes);

    // Starts a dialog session with the contact box entries (fetched by a refresh beforehand)
    // and one line per rule.
    void open(const QStringList& contactEntries);
    bool isOpen() const { return m_open; }

    QStringList contactEntries() const { return m_contactEntries; }
    QStringList lines() const { return m_lines; }

    // Adds the contact named by the box text as excluded; a text that names no contact, or one
    // that already has a rule, adds nothing.
    bool add(const QString& contactText);
    // Removes the rule of the line; row -1 (no selection) tells the user to select one first.
    bool remove(qsizetype row);
    void removeAll();

    // Begins editing the line's rule; row -1 (no selection) tells the user to select one first.
    std::optional<TranslationRuleEditForm> beginEdit(qsizetype row) const;
    // After Apply gives the rule the chosen language and moves its line to the end of the list.
    bool finishEdit(qsizetype row, const TranslationRuleEditForm& edit);

    // Stores the rules and ends the session.
    CloseResult close();

    // The user text of a line: the part before the separator, when that part is not empty.
    static QString userTextOf(const QString& line);
    // The language name of a line: the part after the separator, empty without one.
    static QString languageNameOf(const QString& line);

private:
    QString lineFor(const TranslationRule& rule);
    void askForSelection() const;
    bool validRow(qsizetype row) const { return row >= 0 && row < m_lines.size(); }

    TranslationFilter& m_filter;
    TranslationFilterStore m_store;
    Contacts m_contacts;
    MessageBoxPort& m_boxes;
    bool m_open = false;
    QStringList m_contactEntries;
    QStringList m_lines;
};

} // namespace verbalink
