#pragma once

#include "translate/filter/TranslationRule.h"

#include <QList>
#include <QString>

namespace verbalink {

// The stored form of the rule list: "handle|code" pieces joined with ",", last rule first.
// Because the text is written in reverse, every save followed by a load reverses the list; the
// order never changes a lookup since a handle has at most one rule.
class TranslationRuleText {
public:
    // Runs of separators count as one and empty pieces are skipped; a piece without a code is
    // an excluded contact; parts after the code are ignored; a repeated handle keeps its first
    // rule. Display texts stay empty.
    static QList<TranslationRule> parse(const QString& text);
    static QString format(const QList<TranslationRule>& rules);
};

} // namespace verbalink
