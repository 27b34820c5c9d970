#include "gateway/LanguageDetector.h"

#include "gateway/LanguageCodes.h"

#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>
#include <cstdio> // CLD2's header uses FILE without including it

namespace verbalink::gateway::LanguageDetector {

QByteArray detect(const QString& text, const QList<QByteArray>& candidates)
{
    const QByteArray utf8 = text.toUtf8();
    CLD2::Language best[3];
    int percents[3];
    double scores[3];
    int textBytes = 0;
    bool reliable = false;
    const CLD2::CLDHints hints{nullptr, nullptr, CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    // Chat messages are short: a best guess is better than no answer.
    CLD2::ExtDetectLanguageSummary(utf8.constData(), int(utf8.size()), true, &hints,
                                   CLD2::kCLDFlagBestEffort, best, percents, scores, nullptr,
                                   &textBytes, &reliable);
    for (const CLD2::Language language : best) {
        if (language == CLD2::UNKNOWN_LANGUAGE)
            continue;
        const QByteArray code = LanguageCodes::toThreeLetters(CLD2::LanguageCode(language));
        if (!code.isEmpty() && candidates.contains(code))
            return code;
    }
    return {};
}

} // namespace verbalink::gateway::LanguageDetector
