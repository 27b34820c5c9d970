#include "extras/GreetingTable.h"

namespace verbalink {

GreetingTable GreetingTable::builtIn()
{
    return GreetingTable(readBuiltInGroups(QStringLiteral(":/greetings/greetings.json"),
                                           QStringLiteral("categories"),
                                           QStringLiteral("greetings"), true));
}

QStringList GreetingTable::greetings(const QString& category) const
{
    const CannedGroup* group = findGroup(m_categories, category);
    return group ? group->texts : QStringList();
}

} // namespace verbalink
