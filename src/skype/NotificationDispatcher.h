#pragma once

#include "skype/CallNotifications.h"
#include "skype/ContactNotifications.h"
#include "skype/SkypeTransport.h"

#include <QString>

namespace verbalink {

class Clock;
class LinkState;
struct SkypeHandlers;

// Routes each received line by its first word to the state it changes or the feature that
// handles it. Runs on the main thread; unknown kinds and short lines are ignored.
class NotificationDispatcher {
public:
    NotificationDispatcher(SkypeChannel& channel, LinkState& state, Clock& clock,
                           SkypeSession& session, ContactList& contacts, CallState& call,
                           const LinkOptions& options, const SkypeHandlers& handlers);

    void dispatch(const QString& line, const SkypeEndpoint& from);

private:
    void handleChatMessage(QStringView argument, const SkypeEndpoint& from);
    void handleUiLanguage(QStringView argument);
    void handleCurrentUserHandle(QStringView argument);

    LinkState& m_state;
    Clock& m_clock;
    SkypeSession& m_session;
    const LinkOptions& m_options;
    const SkypeHandlers& m_handlers;
    ContactNotifications m_contactNotifications;
    CallNotifications m_callNotifications;
};

} // namespace verbalink
