#pragma once

#include "translate/filter/PerUserLanguageSource.h"
#include "translate/filter/TranslationRule.h"

#include <QList>
#include <memory>
#include <mutex>

namespace verbalink {

struct TranslationFilterStore;

// The user's per-contact translation rules, in insertion order, at most one per handle.
// The message threads read while the filter dialog edits: every change builds a new list and
// publishes it in one step, and readers search the list they took, so a reader never sees a
// half-made change (a reload is never seen as an empty list) and never waits for a writer.
class TranslationFilter final : public PerUserLanguageSource {
public:
    TranslationFilter();

    // A copy of the rules at one moment.
    QList<TranslationRule> rules() const;
    bool isEmpty() const;

    // True when the first rule for the handle has the excluded code.
    bool isExcluded(const QString& handle) const;
    // The message flows' question: excluded, and only when there are rules at all.
    bool filterExcludes(const QString& handle) const;
    // The rule's code as bytes unless it is the excluded code; empty without a rule.
    QByteArray perUserLanguage(const QString& partner) override;
    bool hasRules() override { return !isEmpty(); }

    // Nothing is added for an empty handle or one that already has a rule.
    bool addRule(const TranslationRule& rule);
    // Erases the first rule whose display text or handle equals the text.
    bool removeByText(const QString& text);
    // Gives the first rule whose display text or handle equals the text the code.
    bool setLanguageByText(const QString& text, const QString& code);
    // Gives the first rule with the handle the code; an empty handle changes nothing.
    bool setLanguage(const QString& handle, const QString& code);
    bool setDisplayText(const QString& handle, const QString& displayText);
    void clear();

    // Replaces the rules with those of the stored text (see TranslationRuleText).
    void loadText(const QString& text);
    QString savedText() const;
    void load(const TranslationFilterStore& store);
    bool save(const TranslationFilterStore& store) const;

private:
    using RuleList = QList<TranslationRule>;

    std::shared_ptr<const RuleList> snapshot() const;
    void publish(RuleList rules);
    const TranslationRule* findByHandle(const RuleList& rules, const QString& handle) const;
    qsizetype indexByText(const RuleList& rules, const QString& text) const;

    mutable std::mutex m_mutex;
    // Writers are serialised so that two edits cannot both start from the same list.
    std::mutex m_writeMutex;
    std::shared_ptr<const RuleList> m_rules;
};

} // namespace verbalink
