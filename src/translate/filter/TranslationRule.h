#pragma once

#include <QString>

namespace verbalink {

// The code of a rule that switches translation off for its contact, in both directions.
inline constexpr auto ExcludedLanguageCode = u"00";

// One per-contact translation rule. The handle is the key; the display text is what the filter
// dialog shows and stays empty until the dialog has looked the contact up.
struct TranslationRule {
    QString displayText;
    QString handle;
    QString code;

    bool isExcluded() const { return code == QStringView(ExcludedLanguageCode); }
    bool operator==(const TranslationRule&) const = default;
};

} // namespace verbalink
