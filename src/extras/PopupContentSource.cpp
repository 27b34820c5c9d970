#include "extras/PopupContentSource.h"

#include "skype/ContactOperations.h"

#include <QFileInfo>

namespace verbalink {

PopupContentSource::PopupContentSource(QString avatarFolder, Contacts contacts)
    : m_avatarFolder(std::move(avatarFolder)), m_contacts(std::move(contacts))
{}

PopupContent PopupContentSource::prepare(const QString& message, const QString& partner)
{
    requestAvatarsOnce();
    PopupContent content{message, m_contacts.displayName(partner), QString()};
    // An unknown sender still gets a name on the popup.
    if (content.senderName.isEmpty())
        content.senderName = partner;
    const QString path = ContactOperations::avatarPath(m_avatarFolder, partner);
    if (!path.isEmpty() && QFileInfo(path).isFile())
        content.picturePath = path;
    else
        m_avatarsLoaded = false; // the next popup asks the client for the pictures again
    return content;
}

void PopupContentSource::requestAvatarsOnce()
{
    if (m_avatarsLoaded || m_avatarLoadRunning.exchange(true))
        return;
    if (m_contacts.hasContacts() || m_contacts.refreshContacts()) {
        m_contacts.refreshAvatars(m_avatarFolder);
        m_avatarsLoaded = true;
    }
    m_avatarLoadRunning = false;
}

} // namespace verbalink
