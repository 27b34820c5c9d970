#include "skype/ContactList.h"

namespace verbalink {

QList<ContactRecord> ContactList::contacts() const
{
    std::lock_guard lock(m_mutex);
    return m_contacts;
}

QList<GroupRecord> ContactList::groups() const
{
    std::lock_guard lock(m_mutex);
    return m_groups;
}

QStringList ContactList::handles() const
{
    std::lock_guard lock(m_mutex);
    QStringList result;
    result.reserve(m_contacts.size());
    for (const ContactRecord& contact : m_contacts)
        result.append(contact.handle);
    return result;
}

void ContactList::clearContacts()
{
    std::lock_guard lock(m_mutex);
    m_contacts.clear();
}

void ContactList::append(const ContactRecord& contact)
{
    std::lock_guard lock(m_mutex);
    m_contacts.append(contact);
}

void ContactList::appendHandles(const QStringList& handles)
{
    std::lock_guard lock(m_mutex);
    m_contacts.reserve(m_contacts.size() + handles.size());
    for (const QString& handle : handles) {
        ContactRecord contact;
        contact.handle = handle;
        m_contacts.append(contact);
    }
}

ContactRecord* ContactList::findLocked(const QString& handle)
{
    for (ContactRecord& contact : m_contacts) {
        if (contact.handle == handle)
            return &contact;
    }
    return nullptr;
}

bool ContactList::updateContact(const QString& handle,
                                const std::function<void(ContactRecord&)>& change)
{
    std::lock_guard lock(m_mutex);
    ContactRecord* contact = findLocked(handle);
    if (!contact)
        return false;
    change(*contact);
    return true;
}

bool ContactList::setFullName(const QString& handle, const QString& name)
{
    return updateContact(handle, [&](ContactRecord& contact) {
        contact.fullName = name;
        contact.detailsReceived = true;
    });
}

bool ContactList::setLanguage(const QString& handle, const QByteArray& language)
{
    return updateContact(handle, [&](ContactRecord& contact) {
        contact.language = language;
        contact.detailsReceived = true;
    });
}

bool ContactList::setPendingMessage(const QString& handle, const QString& text)
{
    return updateContact(handle, [&](ContactRecord& contact) { contact.pendingMessage = text; });
}

void ContactList::replaceGroups(const QList<qint32>& ids)
{
    std::lock_guard lock(m_mutex);
    m_groups.clear();
    m_groups.reserve(ids.size());
    for (qint32 id : ids)
        m_groups.append(GroupRecord{id, {}});
}

void ContactList::setGroupType(qint32 id, const QString& type)
{
    std::lock_guard lock(m_mutex);
    for (GroupRecord& group : m_groups) {
        if (group.id == id)
            group.type = type;
    }
}

QList<ContactList::PendingMessage> ContactList::takePendingMessages(const QString& a,
                                                                    const QString& b)
{
    std::lock_guard lock(m_mutex);
    QList<PendingMessage> taken;
    for (ContactRecord& contact : m_contacts) {
        if (contact.handle.isEmpty() || contact.pendingMessage.isEmpty())
            continue;
        if (contact.handle != a && contact.handle != b)
            continue;
        taken.append({contact.handle, contact.pendingMessage});
        contact.pendingMessage.clear();
    }
    return taken;
}

} // namespace verbalink
