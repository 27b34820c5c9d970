#pragma once

#include "skype/SkypeTransport.h"

#include <QStringView>

namespace verbalink {

class CallState;
class SkypeChannel;
struct SkypeHandlers;

// The CALL notifications: keeps the current call's state and starts the audio routing.
class CallNotifications {
public:
    CallNotifications(SkypeChannel& channel, CallState& call, const SkypeHandlers& handlers);

    void handle(QStringView argument, const SkypeEndpoint& from);

private:
    void callInProgress(const QString& callId, const SkypeEndpoint& from);

    SkypeChannel& m_channel;
    CallState& m_call;
    const SkypeHandlers& m_handlers;
};

} // namespace verbalink
