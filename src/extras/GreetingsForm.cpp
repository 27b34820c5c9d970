#include "extras/GreetingsForm.h"

namespace verbalink {

std::optional<QStringList> GreetingsForm::shortForms(const QString& category) const
{
    if (!categories().contains(category))
        return std::nullopt;
    QStringList shown;
    for (const QString& greeting : m_table.greetings(category))
        shown << shortForm(greeting);
    return shown;
}

QString GreetingsForm::text(const QString& category, int index) const
{
    return m_table.greetings(category).value(index);
}

} // namespace verbalink
