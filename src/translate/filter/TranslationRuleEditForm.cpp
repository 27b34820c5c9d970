#include "translate/filter/TranslationRuleEditForm.h"

#include "translate/filter/TranslationRuleLanguages.h"

namespace verbalink {

TranslationRuleEditForm::TranslationRuleEditForm(const QString& userText,
                                                 const QString& currentCode)
    : m_userText(userText), m_selected(TranslationRuleLanguages::indexOfCode(currentCode))
{
    if (m_selected < 0)
        m_selected = 0;
}

QStringList TranslationRuleEditForm::languageNames()
{
    return TranslationRuleLanguages::names();
}

void TranslationRuleEditForm::select(qsizetype index)
{
    if (index >= 0 && index < TranslationRuleLanguages::entries().size())
        m_selected = index;
}

TranslationRuleEditForm::Result TranslationRuleEditForm::apply()
{
    const TranslationRuleLanguages::Entry& entry =
        TranslationRuleLanguages::entries().at(m_selected);
    m_chosenCode = entry.code;
    m_chosenName = entry.name;
    m_result = Applied;
    return m_result;
}

TranslationRuleEditForm::Result TranslationRuleEditForm::cancel()
{
    m_chosenCode.clear();
    m_chosenName.clear();
    m_result = Cancelled;
    return m_result;
}

} // namespace verbalink
