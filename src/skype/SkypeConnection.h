#pragma once

#include "skype/CallState.h"
#include "skype/ChatMessageRecords.h"
#include "skype/ChatMessageTracker.h"
#include "skype/ContactList.h"
#include "skype/ContactOperations.h"
#include "skype/IncomingMessageEntry.h"
#include "skype/LinkOptions.h"
#include "skype/LinkState.h"
#include "skype/MessageServices.h"
#include "skype/MessageWorker.h"
#include "skype/NotificationDispatcher.h"
#include "skype/OutgoingJobQueue.h"
#include "skype/OutgoingMessageEntry.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeHandlers.h"
#include "skype/SkypeLink.h"
#include "skype/SkypeSession.h"

namespace verbalink {

class Clock;
class MessageBoxPort;

// The one link to the chat client: attachment and keep-alive, the command channel, the
// dispatch of notifications and the state they build, the chat message records with the
// outgoing queue and its worker, and the contact operations. Construct it on the main thread;
// the transport's events arrive there. onOutgoingMessage and onIncomingMessage start out wired
// to the built-in entries, which reach the features plugged into services().
class SkypeConnection {
public:
    SkypeConnection(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes);
    // Stops the link (about one second).
    ~SkypeConnection();
    SkypeConnection(const SkypeConnection&) = delete;
    SkypeConnection& operator=(const SkypeConnection&) = delete;

    // Empties the endpoint list and starts the message worker and the link thread.
    bool start();
    // Stops the link (about one second) and the worker (after its current job).
    void stop();

    bool sendCommand(const QByteArray& command, const SkypeEndpoint& to);
    bool sendCommand(const QString& command, const SkypeEndpoint& to);
    void sendToAll(const QByteArray& command);
    void sendToAll(const QString& command);

    SkypeHandlers& handlers() { return m_handlers; }
    LinkOptions& options() { return m_options; }
    SkypeSession& session() { return m_session; }
    ContactList& contacts() { return m_contacts; }
    const CallState& call() const { return m_call; }
    MessageServices& services() { return m_services; }
    OutgoingJobQueue& outgoingJobs() { return m_jobs; }

    // Chat messages (see ChatMessageTracker).
    bool replaceMessageBody(qint32 id, const QString& text);
    // A copy of the newest record for the message id.
    std::optional<ChatMessageRecord> findRecord(qint32 id) const;

    // Contacts (see ContactList and ContactOperations). refreshContacts blocks for up to about
    // seven seconds and refuses to run on the main thread.
    bool refreshContacts();
    QStringList contactEntries();
    QString displayName(const QString& name) const;
    QString handleOf(const QString& name) const;
    QString handleAt(qsizetype index) const;
    QByteArray partnerLanguage(const QString& handle);
    bool postMessageTo(const QString& name, const QString& text, bool onlyKnown);
    bool postArtMessageTo(const QString& name, const QString& effect);
    void refreshAvatars(const QString& avatarFolder);

    int attachState() const { return m_state.attachState(); }
    QList<SkypeEndpoint> endpoints() const { return m_state.endpoints(); }

    // The link's state machine, for driving single passes under test.
    SkypeLink& link() { return m_link; }

private:
    // The dispatcher, the link thread and the two message slots reach the built-in parts.
    void wireMessageHandlers();

    SkypeTransport& m_transport;
    SkypeHandlers m_handlers;
    LinkOptions m_options;
    SkypeSession m_session;
    ContactList m_contacts;
    CallState m_call;
    LinkState m_state;
    SkypeChannel m_channel;
    MessageServices m_services;
    ChatMessageRecords m_records;
    OutgoingJobQueue m_jobs;
    ChatMessageTracker m_tracker;
    OutgoingMessageEntry m_outgoing;
    IncomingMessageEntry m_incoming;
    MessageWorker m_worker;
    ContactOperations m_contactOperations;
    NotificationDispatcher m_dispatcher;
    SkypeLink m_link;
};

} // namespace verbalink
