#include "translate/filter/TranslationFilter.h"

#include "translate/filter/TranslationFilterStore.h"
#include "translate/filter/TranslationRuleText.h"

namespace verbalink {

TranslationFilter::TranslationFilter() : m_rules(std::make_shared<const RuleList>()) {}

std::shared_ptr<const TranslationFilter::RuleList> TranslationFilter::snapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_rules;
}

void TranslationFilter::publish(RuleList rules)
{
    auto next = std::make_shared<const RuleList>(std::move(rules));
    std::lock_guard lock(m_mutex);
    m_rules = std::move(next);
}

const TranslationRule* TranslationFilter::findByHandle(const RuleList& rules,
                                                       const QString& handle) const
{
    for (const TranslationRule& rule : rules)
        if (rule.handle == handle)
            return &rule;
    return nullptr;
}

qsizetype TranslationFilter::indexByText(const RuleList& rules, const QString& text) const
{
    for (qsizetype i = 0; i < rules.size(); ++i)
        if (rules.at(i).displayText == text || rules.at(i).handle == text)
            return i;
    return -1;
}

QList<TranslationRule> TranslationFilter::rules() const
{
    return *snapshot();
}

bool TranslationFilter::isEmpty() const
{
    return snapshot()->isEmpty();
}

bool TranslationFilter::isExcluded(const QString& handle) const
{
    const auto rules = snapshot();
    const TranslationRule* rule = findByHandle(*rules, handle);
    return rule && rule->isExcluded();
}

bool TranslationFilter::filterExcludes(const QString& handle) const
{
    return isExcluded(handle);
}

QByteArray TranslationFilter::perUserLanguage(const QString& partner)
{
    const auto rules = snapshot();
    const TranslationRule* rule = findByHandle(*rules, partner);
    if (!rule || rule->isExcluded())
        return {};
    return rule->code.toUtf8();
}

bool TranslationFilter::addRule(const TranslationRule& rule)
{
    std::lock_guard writing(m_writeMutex);
    RuleList rules = *snapshot();
    if (rule.handle.isEmpty() || findByHandle(rules, rule.handle))
        return false;
    rules.append(rule);
    publish(std::move(rules));
    return true;
}

bool TranslationFilter::removeByText(const QString& text)
{
    std::lock_guard writing(m_writeMutex);
    RuleList rules = *snapshot();
    const qsizetype index = indexByText(rules, text);
    if (index < 0)
        return false;
    rules.removeAt(index);
    publish(std::move(rules));
    return true;
}

bool TranslationFilter::setLanguageByText(const QString& text, const QString& code)
{
    std::lock_guard writing(m_writeMutex);
    RuleList rules = *snapshot();
    const qsizetype index = indexByText(rules, text);
    if (text.isEmpty() || index < 0)
        return false;
    rules[index].code = code;
    publish(std::move(rules));
    return true;
}

bool TranslationFilter::setLanguage(const QString& handle, const QString& code)
{
    if (handle.isEmpty())
        return false;
    std::lock_guard writing(m_writeMutex);
    RuleList rules = *snapshot();
    for (TranslationRule& rule : rules) {
        if (rule.handle == handle) {
            rule.code = code;
            publish(std::move(rules));
            return true;
        }
    }
    return false;
}

bool TranslationFilter::setDisplayText(const QString& handle, const QString& displayText)
{
    std::lock_guard writing(m_writeMutex);
    RuleList rules = *snapshot();
    for (TranslationRule& rule : rules) {
        if (rule.handle == handle) {
            rule.displayText = displayText;
            publish(std::move(rules));
            return true;
        }
    }
    return false;
}

void TranslationFilter::clear()
{
    std::lock_guard writing(m_writeMutex);
    publish({});
}

void TranslationFilter::loadText(const QString& text)
{
    RuleList parsed = TranslationRuleText::parse(text);
    std::lock_guard writing(m_writeMutex);
    publish(std::move(parsed));
}

QString TranslationFilter::savedText() const
{
    return TranslationRuleText::format(*snapshot());
}

void TranslationFilter::load(const TranslationFilterStore& store)
{
    loadText(store.read ? store.read() : QString());
}

bool TranslationFilter::save(const TranslationFilterStore& store) const
{
    return store.write && store.write(savedText());
}

} // namespace verbalink
