#include "translate/flows/OutgoingTranslation.h"

#include "translate/engines/EngineDispatcher.h"
#include "translate/flows/OutgoingOptions.h"
#include "translate/flows/OutgoingTranslationLanguages.h"
#include "translate/flows/OutgoingTranslationLayout.h"
#include "translate/flows/TranslationChat.h"
#include "translate/languages/LanguageSelection.h"

namespace verbalink {

namespace {

const QString BeginLine = QStringLiteral("Translate Begin");
const QString EndLine = QStringLiteral("Translate End");
const QString EndSentLine = QStringLiteral("Translate End(with send)");

} // namespace

OutgoingTranslation::OutgoingTranslation(TranslationChat& chat, EngineDispatcher& engines,
                                         const LanguageSelection& languages,
                                         const OutgoingOptions& options)
    : m_chat(chat), m_engines(engines), m_languages(languages), m_options(options)
{}

void OutgoingTranslation::setSpellCheck(std::shared_ptr<OutgoingSpellCheck> spellCheck)
{
    m_spellCheck.set(std::move(spellCheck));
}

void OutgoingTranslation::run(const OutgoingJob& job)
{
    m_chat.log(BeginLine);
    const QString body = spellChecked(job.body);
    // A correction the user sent must reach the chat even when nothing else changes it.
    const bool corrected = body != job.body;

    if (!m_options.translationEnabled()) {
        if (corrected || m_chat.encryptionOn())
            m_chat.replaceMessageBody(job.id, body);
        return;
    }

    const LanguageSnapshot languages = m_languages.snapshot();
    const EngineResult result = m_engines.translate(
        languages.translator, {body, job.id, job.partner}, outgoingEngineLanguages(languages));
    switch (result.outcome) {
    case EngineResult::Outcome::Skipped:
        keepUntranslated(job, body, corrected);
        return;
    case EngineResult::Outcome::Failed:
        m_chat.log(EndLine);
        keepUntranslated(job, body, corrected);
        return;
    case EngineResult::Outcome::Translated:
        break;
    }
    // Encrypted, the body still has to replace the placeholder the chat shows meanwhile.
    if (result.text == body && !m_chat.encryptionOn()) {
        m_chat.log(EndLine);
        keepUntranslated(job, body, corrected);
        return;
    }
    sendTranslated(job, body, result, languages.translator == TranslatorId::Google);
}

QString OutgoingTranslation::spellChecked(const QString& body) const
{
    const std::shared_ptr<OutgoingSpellCheck> spellCheck = m_spellCheck.get();
    if (!spellCheck || !m_options.spellCheckEnabled())
        return body;
    return spellCheck->check(body);
}

void OutgoingTranslation::keepUntranslated(const OutgoingJob& job, const QString& body,
                                           bool corrected)
{
    if (corrected || m_chat.encryptionOn())
        m_chat.replaceMessageBody(job.id, body);
}

void OutgoingTranslation::sendTranslated(const OutgoingJob& job, const QString& body,
                                         const EngineResult& result, bool google)
{
    OutgoingTranslationLayout layout;
    layout.hideOriginal = m_options.hideOriginal();
    layout.showFlag = m_options.showFlags();
    layout.showTransliteration = google && m_options.showTransliteration();
    m_chat.replaceMessageBody(job.id,
                              layout.body(body, result.text, result.transliteration, result.flag));
    m_chat.log(EndSentLine);
}

} // namespace verbalink
