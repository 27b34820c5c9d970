#include "translate/filter/TranslationRuleText.h"

#include <QSet>
#include <QStringList>

namespace verbalink {

QList<TranslationRule> TranslationRuleText::parse(const QString& text)
{
    QList<TranslationRule> rules;
    // A set keeps the duplicate check linear for long stored lists.
    QSet<QString> handles;
    const QStringList pieces = text.split(u',', Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        const QStringList parts = piece.split(u'|', Qt::SkipEmptyParts);
        if (parts.isEmpty() || handles.contains(parts.at(0)))
            continue;
        handles.insert(parts.at(0));
        const QString code =
            parts.size() >= 2 ? parts.at(1) : QString::fromUtf16(ExcludedLanguageCode);
        rules.append({QString(), parts.at(0), code});
    }
    return rules;
}

QString TranslationRuleText::format(const QList<TranslationRule>& rules)
{
    QStringList pieces;
    pieces.reserve(rules.size());
    for (auto rule = rules.crbegin(); rule != rules.crend(); ++rule)
        pieces.append(rule->handle + u'|' + rule->code);
    return pieces.join(u',');
}

} // namespace verbalink
