#pragma once

#include "skype/CallState.h"
#include "skype/ContactList.h"
#include "skype/LinkOptions.h"
#include "skype/LinkState.h"
#include "skype/NotificationDispatcher.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeHandlers.h"
#include "skype/SkypeLink.h"
#include "skype/SkypeSession.h"

namespace verbalink {

class Clock;
class MessageBoxPort;

// The one link to the chat client: attachment and keep-alive, the command channel, the
// dispatch of notifications and the state they build. Construct it on the main thread; the
// transport's events arrive there.
class SkypeConnection {
public:
    SkypeConnection(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes);
    // Stops the link (about one second).
    ~SkypeConnection();
    SkypeConnection(const SkypeConnection&) = delete;
    SkypeConnection& operator=(const SkypeConnection&) = delete;

    // Empties the endpoint list and starts the link thread.
    bool start();
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

    int attachState() const { return m_state.attachState(); }
    QList<SkypeEndpoint> endpoints() const { return m_state.endpoints(); }

    // The link's state machine, for driving single passes under test.
    SkypeLink& link() { return m_link; }

private:
    SkypeTransport& m_transport;
    SkypeHandlers m_handlers;
    LinkOptions m_options;
    SkypeSession m_session;
    ContactList m_contacts;
    CallState m_call;
    LinkState m_state;
    SkypeChannel m_channel;
    NotificationDispatcher m_dispatcher;
    SkypeLink m_link;
};

} // namespace verbalink
