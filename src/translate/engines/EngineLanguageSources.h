#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// Where the engines learn the languages that "Auto Detect (by Skype)" and the per-contact
// rules stand for. Both are asked only when the target choice needs them.

// The chat partner's language as the chat client reports it ("en" when the partner is unknown).
class PartnerLanguageSource {
public:
    virtual ~PartnerLanguageSource() = default;
    virtual QByteArray partnerLanguage(qint32 messageId) = 0;
};

// The user's per-contact target languages.
class PerUserLanguageSource {
public:
    virtual ~PerUserLanguageSource() = default;
    // Empty when the partner has no rule.
    virtual QByteArray perUserLanguage(const QString& partner) = 0;
    // False while the rule list is empty; perUserLanguage() is then not asked.
    virtual bool hasRules() = 0;
};

} // namespace verbalink
