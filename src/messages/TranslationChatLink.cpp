#include "messages/TranslationChatLink.h"

#include "skype/SkypeConnection.h"

namespace verbalink {

TranslationChatLink::TranslationChatLink(SkypeConnection& link) : m_link(link) {}

QByteArray TranslationChatLink::partnerLanguage(const QString& handle)
{
    return m_link.partnerLanguage(handle);
}

bool TranslationChatLink::replaceMessageBody(qint32 messageId, const QString& text)
{
    return m_link.replaceMessageBody(messageId, text);
}

bool TranslationChatLink::postMessageTo(const QString& name, const QString& text, bool onlyKnown)
{
    return m_link.postMessageTo(name, text, onlyKnown);
}

QString TranslationChatLink::displayName(const QString& handle)
{
    return m_link.displayName(handle);
}

bool TranslationChatLink::refreshContacts()
{
    return m_link.refreshContacts();
}

QByteArray TranslationChatLink::uiLanguage()
{
    return m_link.session().uiLanguage();
}

bool TranslationChatLink::encryptionOn()
{
    // The same rule replaceMessageBody applies: switched on and a cipher plugged in.
    return m_link.services().encryptionOn();
}

void TranslationChatLink::log(const QString& line)
{
    m_link.handlers().onLog(line);
}

} // namespace verbalink
