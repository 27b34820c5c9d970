#pragma once

#include "extras/CannedText.h"

namespace verbalink {

// The Greetings dialog's occasions with their greetings, in menu order.
class GreetingTable {
public:
    // The program's own table (":/greetings/greetings.json"); empty when it cannot be read.
    static GreetingTable builtIn();
    explicit GreetingTable(QList<CannedGroup> categories) : m_categories(std::move(categories)) {}

    QStringList categoryNames() const { return groupNames(m_categories); }
    // The greetings of a category by its exact name; empty for an unknown one.
    QStringList greetings(const QString& category) const;

private:
    QList<CannedGroup> m_categories;
};

} // namespace verbalink
