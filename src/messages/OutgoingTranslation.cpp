#include "messages/OutgoingTranslation.h"

#include "messages/OutgoingOptions.h"
#include "messages/OutgoingTranslationLayout.h"
#include "messages/TranslationChat.h"
#include "translate/engines/EngineDispatcher.h"
#include "translate/engines/EngineWire.h"
#include "translate/languages/LanguageSelection.h"

namespace verbalink {

namespace {

const QString BeginLine = QStringLiteral("Translate Begin");
const QString EndLine = QStringLiteral("Translate End");
const QString EndSentLine = QStringLiteral("Translate End(with send)");

} // namespace

OutgoingTranslation::OutgoingTranslation(Links links)
    : m_chat(links.chat), m_engines(links.engines), m_languages(links.languages),
      m_options(links.options), m_resolver(links.rules, links.contacts)
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

    // Too long for any request: nobody is asked about languages for it.
    if (!EngineWire::fits(body, EngineWire::TextCapacity)) {
        m_chat.log(EndLine);
        keepUntranslated(job, body, corrected);
        return;
    }
    const ResolvedLanguages languages = m_resolver.resolve(m_languages.snapshot(), job.partner);
    if (languages.same) {
        keepUntranslated(job, body, corrected);
        return;
    }
    const EngineResult result =
        m_engines.translate(languages.translator, {body, languages.source, languages.target});
    if (result.outcome == EngineResult::Outcome::Failed) {
        m_chat.log(EndLine);
        keepUntranslated(job, body, corrected);
        return;
    }
    // Encrypted, the body still has to replace the placeholder the chat shows meanwhile.
    if (result.text == body && !m_chat.encryptionOn()) {
        m_chat.log(EndLine);
        keepUntranslated(job, body, corrected);
        return;
    }
    sendTranslated(job, body, result, languages);
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
                                         const EngineResult& result,
                                         const ResolvedLanguages& languages)
{
    OutgoingTranslationLayout layout;
    layout.hideOriginal = m_options.hideOriginal();
    layout.showFlag = m_options.showFlags();
    layout.showTransliteration =
        languages.translator == TranslatorId::Google && m_options.showTransliteration();
    m_chat.replaceMessageBody(
        job.id, layout.body(body, result.text, result.transliteration, languages.flag));
    m_chat.log(EndSentLine);
}

} // namespace verbalink
