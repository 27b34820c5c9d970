#pragma once

#include "skype/ContactRecord.h"
#include "skype/GroupRecord.h"

#include <QList>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>

namespace verbalink {

// The user's contacts and groups in arrival order. Written by the notification handlers on
// the main thread, read by dialogs and workers on theirs; every access takes the lock and
// readers get copies.
class ContactList {
public:
    struct PendingMessage {
        QString handle;
        QString text;
    };

    QList<ContactRecord> contacts() const;
    QList<GroupRecord> groups() const;
    QStringList handles() const;

    void clearContacts();
    void append(const ContactRecord& contact);
    void appendHandles(const QStringList& handles);
    // These act on the first contact with the handle; false when there is none.
    bool setFullName(const QString& handle, const QString& name);
    bool setLanguage(const QString& handle, const QByteArray& language);
    bool setPendingMessage(const QString& handle, const QString& text);

    void replaceGroups(const QList<qint32>& ids);
    // Stores the type in every group with that id.
    void setGroupType(qint32 id, const QString& type);

    // The pending messages of the contacts whose handle is `a` or `b`, in list order; each
    // is cleared as it is taken. An empty party matches nobody.
    QList<PendingMessage> takePendingMessages(const QString& a, const QString& b);

    bool usersPending() const { return m_usersPending.load(); }
    void setUsersPending(bool pending) { m_usersPending.store(pending); }

private:
    ContactRecord* findLocked(const QString& handle);
    // Applies a change to the first contact with the handle, under the lock.
    bool updateContact(const QString& handle, const std::function<void(ContactRecord&)>& change);

    mutable std::mutex m_mutex;
    QList<ContactRecord> m_contacts;
    QList<GroupRecord> m_groups;
    std::atomic<bool> m_usersPending{false};
};

} // namespace verbalink
