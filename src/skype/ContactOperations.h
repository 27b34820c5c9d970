#pragma once

#include "platform/WorkerThreads.h"
#include "skype/ContactRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

namespace verbalink {

class Clock;
class ContactList;
class SkypeChannel;
class TextArtTable;
template <typename T>
class ServiceSlot;

// What features do with the contacts: refresh the list from the chat client, look up a
// partner's language, post a message or a picture to a contact, fetch the avatars. A refresh
// that a lookup starts runs on a thread of its own, joined when this object goes.
class ContactOperations {
public:
    static constexpr qint64 UsersWaitMs = 5000;
    static constexpr qint64 DetailsWaitMs = 2001;

    // `dispatchThread` is the thread on which notifications are handled.
    ContactOperations(ContactList& contacts, SkypeChannel& channel, Clock& clock,
                      const ServiceSlot<TextArtTable>& textArt, std::thread::id dispatchThread);
    // Ends the waits of a refresh still running and joins it.
    ~ContactOperations();
    ContactOperations(const ContactOperations&) = delete;
    ContactOperations& operator=(const ContactOperations&) = delete;

    // Refills the list from the client and waits, bounded in time, for the replies. False at
    // once when a refresh already runs, or when called on the dispatch thread (the replies
    // could never be handled while it waits).
    bool refreshContacts();
    // The entries of a contact chooser (full name, else handle), once no refresh is running.
    QStringList contactEntries();
    // The partner's language from the list, at once; "en" when unknown. While a refresh refills
    // the list, the list before it answers. A partner missing from the list starts a refresh in
    // the background, for later calls.
    QByteArray partnerLanguage(const QString& handle);
    // Leaves the text with the contact and asks the client to create the chat; the text is
    // posted when the chat is reported. An unknown name is added as a handle unless
    // `onlyKnown`, in which case false is returned and nothing is sent.
    bool postMessageTo(const QString& name, const QString& text, bool onlyKnown);
    // The same with a text-art picture, for known contacts and known effects only.
    bool postArtMessageTo(const QString& name, const QString& effect);
    // Deletes each contact's old picture in `avatarFolder` and asks the client for a new one.
    void refreshAvatars(const QString& avatarFolder);
    // Where the client puts a contact's picture; empty for a handle that is no plain file name.
    static QString avatarPath(const QString& avatarFolder, const QString& handle);

private:
    void requestChat(const QString& handle);
    void refreshInBackground();
    std::optional<QByteArray> previousLanguageOf(const QString& handle) const;
    // A wait of a refresh goes on while this holds.
    bool waiting(qint64 startMs, qint64 limitMs) const;
    bool onDispatchThread() const { return std::this_thread::get_id() == m_dispatchThread; }

    ContactList& m_contacts;
    SkypeChannel& m_channel;
    Clock& m_clock;
    const ServiceSlot<TextArtTable>& m_textArt;
    const std::thread::id m_dispatchThread;
    std::atomic<bool> m_stopping{false};
    // The list as it was when the running refresh emptied it.
    mutable std::mutex m_previousMutex;
    QList<ContactRecord> m_previous;
    // Last: its refresh is joined before the members it uses go.
    WorkerThreads m_backgroundRefresh;
};

} // namespace verbalink
