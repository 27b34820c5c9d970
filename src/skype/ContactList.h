#pragma once

#include "skype/ContactRecord.h"
#include "skype/GroupRecord.h"

#include <QList>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>

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

    // Lookups by name: a contact matches when its full name or its handle equals the text
    // (the full name compared first); the first match in list order wins.
    std::optional<ContactRecord> findByName(const QString& name) const;
    // The full name, or the handle when the full name is empty; empty when not found.
    QString displayName(const QString& name) const;
    QString handleOf(const QString& name) const;
    // Empty when the index is out of range.
    QString handleAt(qsizetype index) const;
    // The display name of every contact, in list order.
    QStringList displayNames() const;
    // The language of the first contact with the handle.
    std::optional<QByteArray> languageOf(const QString& handle) const;
    bool allDetailsReceived() const;

    void clearContacts();
    void append(const ContactRecord& contact);
    void appendHandles(const QStringList& handles);
    // These act on the first contact with the handle; false when there is none.
    bool setFullName(const QString& handle, const QString& name);
    bool setLanguage(const QString& handle, const QByteArray& language);
    bool setPendingMessage(const QString& handle, const QString& text);
    // Gives the contact found by name the pending text and returns its handle. An unknown name
    // becomes a new contact with that handle (details counted as received) when `addUnknown`;
    // otherwise nothing changes and nothing is returned.
    std::optional<QString> setPendingMessageByName(const QString& name, const QString& text,
                                                   bool addUnknown);

    void replaceGroups(const QList<qint32>& ids);
    // Stores the type in every group with that id.
    void setGroupType(qint32 id, const QString& type);

    // The pending messages of the contacts whose handle is `a` or `b`, in list order; each
    // is cleared as it is taken. An empty party matches nobody.
    QList<PendingMessage> takePendingMessages(const QString& a, const QString& b);

    bool usersPending() const { return m_usersPending.load(); }
    void setUsersPending(bool pending) { m_usersPending.store(pending); }

    // Marks a refresh as running; false when one already runs.
    bool beginRefresh();
    void endRefresh() { m_refreshRunning.store(false); }
    bool refreshRunning() const { return m_refreshRunning.load(); }

private:
    ContactRecord* findLocked(const QString& handle);
    qsizetype indexByNameLocked(const QString& name) const;
    // Applies a change to the first contact with the handle, under the lock.
    bool updateContact(const QString& handle, const std::function<void(ContactRecord&)>& change);

    mutable std::mutex m_mutex;
    QList<ContactRecord> m_contacts;
    QList<GroupRecord> m_groups;
    std::atomic<bool> m_usersPending{false};
    std::atomic<bool> m_refreshRunning{false};
};

} // namespace verbalink
