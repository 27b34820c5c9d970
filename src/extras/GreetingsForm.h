#pragma once

#include "extras/GreetingTable.h"

#include <optional>

namespace verbalink {

// What the Greetings dialog shows: the occasions, each occasion's greetings by their first
// line, and the full text of the chosen one, which the user may edit before sending.
class GreetingsForm {
public:
    explicit GreetingsForm(GreetingTable table) : m_table(std::move(table)) {}

    QStringList categories() const { return m_table.categoryNames(); }
    // The greetings of the occasion in their short form; nullopt for a name not in the list,
    // which leaves the dialog as it is.
    std::optional<QStringList> shortForms(const QString& category) const;
    // The full text of the greeting at that place, or nothing.
    QString text(const QString& category, int index) const;

private:
    GreetingTable m_table;
};

} // namespace verbalink
