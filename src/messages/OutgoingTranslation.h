#pragma once

#include "messages/LanguageResolver.h"
#include "messages/OutgoingSpellCheck.h"
#include "skype/OutgoingJobRunner.h"
#include "skype/ServiceSlot.h"
#include "translate/engines/EngineResult.h"

#include <memory>

namespace verbalink {

class ContactsPort;
class EngineDispatcher;
class LanguageSelection;
class OutgoingOptions;
class PerUserLanguageSource;
class TranslationChat;

// The outgoing flow for one sent message, run on the message worker: spell check, the languages
// of one moment resolved, one call of the selected engine, and the replacement of the body by
// the typed text with its translation. Whatever fails, the message stays as typed (or, with
// encryption on, is sent encrypted as typed). Keeps no state between jobs.
class OutgoingTranslation final : public OutgoingJobRunner {
public:
    // Everything referenced must outlive the runner; the dispatcher is used by this runner
    // only, as its service connections take one call at a time.
    struct Links {
        TranslationChat& chat;
        ContactsPort& contacts;
        // The per-contact rules.
        PerUserLanguageSource& rules;
        EngineDispatcher& engines;
        const LanguageSelection& languages;
        const OutgoingOptions& options;
    };

    explicit OutgoingTranslation(Links links);

    // Plugs in (or, with null, removes) the spell check; without one the step is skipped.
    void setSpellCheck(std::shared_ptr<OutgoingSpellCheck> spellCheck);

    void run(const OutgoingJob& job) override;

private:
    QString spellChecked(const QString& body) const;
    // The message as the user wants it sent, after a translation that gave nothing to show.
    void keepUntranslated(const OutgoingJob& job, const QString& body, bool corrected);
    void sendTranslated(const OutgoingJob& job, const QString& body, const EngineResult& result,
                        const ResolvedLanguages& languages);

    TranslationChat& m_chat;
    EngineDispatcher& m_engines;
    const LanguageSelection& m_languages;
    const OutgoingOptions& m_options;
    LanguageResolver m_resolver;
    ServiceSlot<OutgoingSpellCheck> m_spellCheck;
};

} // namespace verbalink
