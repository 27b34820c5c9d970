#pragma once

#include "skype/ChatMessageEvent.h"
#include "skype/ChatMessageRecords.h"
#include "skype/SkypeTransport.h"

#include <QString>

namespace verbalink {

class Clock;
class SkypeChannel;
class SkypeSession;
struct MessageServices;
struct SkypeHandlers;

// The chat message state machine: gathers status, chat name, author and body per message id,
// hands each completed message to onOutgoingMessage or onIncomingMessage once, and replaces
// the body of an outgoing message. Never blocks the dispatcher: it only sends commands.
class ChatMessageTracker {
public:
    static constexpr qint64 RecordLifetimeSeconds = 600;

    ChatMessageTracker(ChatMessageRecords& records, SkypeChannel& channel, SkypeSession& session,
                       Clock& clock, const SkypeHandlers& handlers,
                       const MessageServices& services);

    // One CHATMESSAGE line (main thread).
    void handleChatMessageEvent(const ChatMessageEvent& event, const SkypeEndpoint& from);
    // Puts `text` (enciphered while encryption is on) in place of an outgoing message's body;
    // true when the command was sent, whatever its delivery.
    bool replaceMessageBody(qint32 id, const QString& text);
    // Drops the records idle for more than the lifetime (link thread).
    void purgeOldRecords();
    // The client behind the endpoint is gone: its messages can never complete nor be replaced,
    // and a restarted client may count its message ids from the start again.
    void forgetEndpoint(const SkypeEndpoint& endpoint);

    // The other participant named by a CHATNAME argument, seen from the user `ownHandle`.
    static QString partnerFromChatName(QStringView argument, QStringView ownHandle);

private:
    struct Outcome {
        bool requestDetails = false;
        bool outgoing = false;
        std::optional<ChatMessageRecord> completed;
    };

    static void applyProperty(const ChatMessageEvent& event, const QString& ownHandle,
                              ChatMessageRecord& record, Outcome& outcome);
    void requestDetails(qint32 id, const SkypeEndpoint& to, bool placeholder);
    void dispatch(const ChatMessageRecord& record);
    void restoreTypedText(const ChatMessageRecord& record);
    qint64 nowSeconds() const;

    ChatMessageRecords& m_records;
    SkypeChannel& m_channel;
    SkypeSession& m_session;
    Clock& m_clock;
    const SkypeHandlers& m_handlers;
    const MessageServices& m_services;
};

} // namespace verbalink
