#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// The user's per-contact target languages, as the outgoing flow resolves its languages.
class PerUserLanguageSource {
public:
    virtual ~PerUserLanguageSource() = default;
    // Empty when the partner has no rule.
    virtual QByteArray perUserLanguage(const QString& partner) = 0;
    // False while the rule list is empty; perUserLanguage() is then not asked.
    virtual bool hasRules() = 0;
};

} // namespace verbalink
