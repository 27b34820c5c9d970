#include "skype/ContactList.h"

#include <algorithm>

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

namespace {

QString displayNameOf(const ContactRecord& contact)
{
    return contact.fullName.isEmpty() ? contact.handle : contact.fullName;
}

} // namespace

qsizetype ContactList::indexByNameLocked(const QString& name) const
{
    for (qsizetype i = 0; i < m_contacts.size(); ++i) {
        if (m_contacts[i].fullName == name || m_contacts[i].handle == name)
            return i;
    }
    return -1;
}

std::optional<ContactRecord> ContactList::findByName(const QString& name) const
{
    std::lock_guard lock(m_mutex);
    const qsizetype index = indexByNameLocked(name);
    if (index < 0)
        return std::nullopt;
    return m_contacts[index];
}

QString ContactList::displayName(const QString& name) const
{
    const std::optional<ContactRecord> contact = findByName(name);
    return contact ? displayNameOf(*contact) : QString();
}

QString ContactList::handleOf(const QString& name) const
{
    const std::optional<ContactRecord> contact = findByName(name);
    return contact ? contact->handle : QString();
}

QString ContactList::handleAt(qsizetype index) const
{
    std::lock_guard lock(m_mutex);
    return index >= 0 && index < m_contacts.size() ? m_contacts[index].handle : QString();
}

QStringList ContactList::displayNames() const
{
    std::lock_guard lock(m_mutex);
    QStringList names;
    names.reserve(m_contacts.size());
    for (const ContactRecord& contact : m_contacts)
        names.append(displayNameOf(contact));
    return names;
}

std::optional<QByteArray> ContactList::languageOf(const QString& handle) const
{
    std::lock_guard lock(m_mutex);
    for (const ContactRecord& contact : m_contacts) {
        if (contact.handle == handle)
            return contact.language;
    }
    return std::nullopt;
}

bool ContactList::allDetailsReceived() const
{
    std::lock_guard lock(m_mutex);
    return std::all_of(m_contacts.cbegin(), m_contacts.cend(),
                       [](const ContactRecord& contact) { return contact.detailsReceived; });
}

std::optional<QString> ContactList::setPendingMessageByName(const QString& name,
                                                            const QString& text, bool addUnknown)
{
    std::lock_guard lock(m_mutex);
    qsizetype index = indexByNameLocked(name);
    if (index < 0) {
        if (!addUnknown)
            return std::nullopt;
        ContactRecord contact;
        contact.handle = name;
        contact.detailsReceived = true;
        m_contacts.append(contact);
        index = m_contacts.size() - 1;
    }
    m_contacts[index].pendingMessage = text;
    return m_contacts[index].handle;
}

bool ContactList::beginRefresh()
{
    bool expected = false;
    return m_refreshRunning.compare_exchange_strong(expected, true);
}

} // namespace verbalink
