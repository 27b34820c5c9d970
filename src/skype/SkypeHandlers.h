#pragma once

#include "skype/ChatMessageEvent.h"
#include "skype/ChatMessageRecord.h"
#include "skype/HandlerSlot.h"
#include "skype/SkypeTransport.h"

#include <QByteArray>
#include <QString>

namespace verbalink {

// Every callback through which the link hands work to the rest of the program. Each slot may
// stay empty; an empty query answers false.
struct SkypeHandlers {
    // A completed chat message that was not received / that was received. SkypeConnection
    // wires them to its outgoing and incoming entries; called on the main thread, they must
    // not block. The outgoing one answers whether a job will replace the body.
    HandlerSlot<bool(const ChatMessageRecord&)> onOutgoingMessage;
    HandlerSlot<void(const ChatMessageRecord&)> onIncomingMessage;
    // One debug-log line; called from the main thread, the link thread and sending threads.
    HandlerSlot<void(const QString&)> onLog;

    // A CHATMESSAGE or MESSAGE line for the chat message state machine (main thread);
    // SkypeConnection wires it to its ChatMessageTracker.
    HandlerSlot<void(const ChatMessageEvent&, const SkypeEndpoint& from)> onChatMessageEvent;
    // The user's own handle arrived: derive the message-encryption key from it.
    HandlerSlot<void(const QByteArray& handle)> onCurrentUserHandle;
    // The client's interface language changed while the menus follow it: relabel them.
    HandlerSlot<void()> onRelabelMenus;
    // Each attached pass of the link thread: drop chat message records idle too long
    // (wired to the tracker's purge).
    HandlerSlot<void()> onPurgeRecords;

    // The call partner's display name, for the call recorder.
    HandlerSlot<void(const QString& name)> onCallPartnerName;
    // Asked when a call starts: is automatic recording on; is a changed voice or music active.
    HandlerSlot<bool()> isCallAutoRecordOn;
    HandlerSlot<bool()> isCallVoiceChanged;
    // Route the call's microphone copy and output to the capture port / the input from the
    // input port.
    HandlerSlot<void(const QString& callId, const SkypeEndpoint& window)> onRedirectCallCapture;
    HandlerSlot<void(const QString& callId, const SkypeEndpoint& window)> onRedirectCallInput;
    // The call ended: whatever was routed for it is over.
    HandlerSlot<void(const QString& callId)> onCallFinished;
};

} // namespace verbalink
