#include "messages/IncomingTranslation.h"

#include "messages/IncomingOptions.h"
#include "messages/TranslationChat.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineLanguageCodes.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/net/HttpConnection.h"
#include "translate/net/ServiceConnections.h"

namespace verbalink {

namespace {

constexpr int TimeoutValue = 5000;
constexpr QByteArrayView AutoDetect = "autodetect";

} // namespace

IncomingTranslation::IncomingTranslation(Links links, QByteArray searchHost,
                                         QByteArray translateHost, ListSink toList)
    : m_links(links), m_searchHost(std::move(searchHost)),
      m_translateHost(std::move(translateHost)), m_toList(std::move(toList))
{}

IncomingTranslation::~IncomingTranslation()
{
    m_stopping = true;
    m_threads.stop();
}

void IncomingTranslation::handle(const QString& text, const QString& partner)
{
    // Group chats have no partner to translate for.
    if (partner.size() < 2)
        return;
    m_threads.start([this, text, partner] { translate(text, partner); });
}

void IncomingTranslation::waitForThreads()
{
    m_threads.waitForAll();
}

void IncomingTranslation::translate(const QString& text, const QString& partner)
{
    const QByteArray target = targetLanguage();
    // No choice (switched off meanwhile) or no interface language reported yet.
    if (target.isEmpty())
        return;

    HttpConnection connection(m_links.boxes);
    connection.setUp(m_searchHost, TimeoutValue, m_links.connections.proxySettings());
    const EngineExchange exchange(m_links.clock);
    const EngineContext context{connection, exchange, m_translateHost,
                                m_links.connections.proxyAuthorizationLine()};

    const QString translation = GoogleEngine::translateIncoming(context, text, target);
    // Text already in the target language comes back unchanged: nothing new to show.
    if (translation.isEmpty() || translation == text || m_stopping)
        return;
    show(translation, partner);
}

QByteArray IncomingTranslation::targetLanguage()
{
    const QByteArray code = m_links.languages.choice(LanguageMenu::Incoming).code;
    if (code != AutoDetect)
        return code;
    return mapPartnerLanguage(EngineMapping::Google, m_links.chat.uiLanguage());
}

void IncomingTranslation::show(const QString& translation, const QString& partner)
{
    QString name = m_links.chat.displayName(partner);
    if (name.isEmpty()) {
        // Not in the list (yet): fetch it for later messages, show this one by handle.
        m_links.chat.refreshContacts();
        name = partner;
    }
    if (m_links.options.translateInChat()) {
        m_links.chat.postMessageTo(partner, u'[' % name % u"] " % translation, false);
        return;
    }
    if (m_toList)
        m_toList(name, translation);
}

} // namespace verbalink
