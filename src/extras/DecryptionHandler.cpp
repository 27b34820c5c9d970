#include "extras/DecryptionHandler.h"

#include "extras/HandleCipher.h"
#include "extras/MessageList.h"

namespace verbalink {

DecryptionHandler::DecryptionHandler(MessageList& list, Contacts contacts,
                                     std::function<void()> listed)
    : m_list(list), m_contacts(std::move(contacts)), m_listed(std::move(listed))
{}

DecryptionHandler::~DecryptionHandler()
{
    waitForAll();
}

void DecryptionHandler::handle(const QString& text, const QString& partner)
{
    // A handle this short cannot be a sender's; nothing could be deciphered for it.
    if (partner.size() < 2)
        return;
    m_jobs.start([this, text, partner] { decrypt(text, partner); });
}

void DecryptionHandler::waitForAll()
{
    m_jobs.waitForAll();
}

void DecryptionHandler::decrypt(const QString& text, const QString& partner)
{
    const QString sender = senderName(partner);
    m_list.add(sender, HandleCipher::decrypt(text, partner));
    if (m_listed)
        m_listed();
}

QString DecryptionHandler::senderName(const QString& partner)
{
    const QString name = m_contacts.displayName ? m_contacts.displayName(partner) : QString();
    if (!name.isEmpty())
        return name;
    // An unknown sender: ask for the contacts so later messages get the name.
    if (m_contacts.refreshContacts)
        m_contacts.refreshContacts();
    return partner;
}

} // namespace verbalink
