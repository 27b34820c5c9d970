#include "skype/ChatMessageTracker.h"

#include "platform/Clock.h"
#include "skype/MessageServices.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeHandlers.h"
#include "skype/SkypeSession.h"
#include "skype/SkypeText.h"

namespace verbalink {

namespace {

const QByteArray EncryptedMarker = QByteArrayLiteral("[Verbalink Encrypted Message]\r\n");

} // namespace

ChatMessageTracker::ChatMessageTracker(ChatMessageRecords& records, SkypeChannel& channel,
                                       SkypeSession& session, Clock& clock,
                                       const SkypeHandlers& handlers,
                                       const MessageServices& services)
    : m_records(records), m_channel(channel), m_session(session), m_clock(clock),
      m_handlers(handlers), m_services(services)
{}

void ChatMessageTracker::handleChatMessageEvent(const ChatMessageEvent& event,
                                                const SkypeEndpoint& from)
{
    const QString ownHandle = m_session.currentUserHandleWide();
    const qint64 now = nowSeconds();
    const bool encrypting = m_services.encryptionOn();
    Outcome outcome;
    // Lookup and write-back are one step under the record lock, so a purge can never fall
    // between them: either the record is gone before (a fresh one starts) or it stays.
    m_records.update(event.id, from, [&](ChatMessageRecord& record, bool existed) {
        // Dispatched and replaced messages ignore everything, above all the echoes of our own
        // replacements.
        if (record.state < ChatMessageRecord::Dispatched)
            applyProperty(event, ownHandle, record, outcome);
        if (outcome.requestDetails && record.outgoing && encrypting)
            record.placeholder = true;
        record.time = now;
        if (existed && record.state == ChatMessageRecord::BodyReceived) {
            record.state = ChatMessageRecord::Dispatched;
            outcome.completed = record;
        }
        outcome.outgoing = record.outgoing;
    });
    // Sent only after the record is stored: a reply handled before the send returns must
    // find it.
    if (outcome.requestDetails)
        requestDetails(event.id, from, outcome.outgoing && encrypting);
    if (outcome.completed)
        dispatch(*outcome.completed);
}

void ChatMessageTracker::applyProperty(const ChatMessageEvent& event, const QString& ownHandle,
                                       ChatMessageRecord& record, Outcome& outcome)
{
    if (event.property == u"STATUS") {
        if (event.status == u"SENDING") {
            record.outgoing = true;
        } else if (event.status == u"READ") {
            record.outgoing = false;
        } else if (event.status == u"RECEIVED") {
            record.outgoing = false;
            record.received = true;
        } else {
            return;
        }
        record.state = ChatMessageRecord::Requested;
        outcome.requestDetails = true;
    } else if (event.property == u"CHATNAME") {
        record.partner = partnerFromChatName(event.argument, ownHandle);
    } else if (event.property == u"FROM_HANDLE") {
        record.author = event.value;
    } else if (event.property == u"BODY") {
        record.body = event.value;
        record.state = ChatMessageRecord::BodyReceived;
    }
}

QString ChatMessageTracker::partnerFromChatName(QStringView argument, QStringView ownHandle)
{
    namespace st = skypetext;
    QStringView partner = st::textBetween(argument, u"/$", u";");
    // In a chat the user started, the other side is the one after the "#".
    if (partner == ownHandle && argument.contains(u" #") && argument.contains(u'/'))
        partner = st::textBetween(argument, u" #", u"/");
    return partner.toString();
}

void ChatMessageTracker::requestDetails(qint32 id, const SkypeEndpoint& to, bool placeholder)
{
    const QString prefix = QStringLiteral("CHATMESSAGE %1 ").arg(id);
    m_channel.sendCommand(u"GET " % prefix % u"CHATNAME", to);
    m_channel.sendCommand(u"GET " % prefix % u"FROM_HANDLE", to);
    m_channel.sendCommand(u"GET " % prefix % u"BODY", to);
    // The typed text stays hidden until the enciphered body takes its place.
    if (placeholder)
        m_channel.sendCommand(u"SET " % prefix % u"BODY Crypting message...", to);
}

void ChatMessageTracker::dispatch(const ChatMessageRecord& record)
{
    bool replacing = false;
    if (record.received)
        m_handlers.onIncomingMessage(record);
    else if (m_session.takeSelfSentText().isEmpty())
        replacing = m_handlers.onOutgoingMessage(record);
    // Otherwise this is the message the program itself just posted: it is not handled again.
    if (record.placeholder && !record.received && !replacing)
        restoreTypedText(record);
    m_handlers.onLog(record.body);
}

void ChatMessageTracker::restoreTypedText(const ChatMessageRecord& record)
{
    // No job will put the enciphered text over the placeholder (the partner is filtered out,
    // or the program posted the message itself), so the text goes back as it was written.
    m_records.modify(record.id, [&](ChatMessageRecord& stored) {
        stored.state = ChatMessageRecord::Replaced;
        stored.replacement = record.body;
        stored.placeholder = false;
        return true;
    });
    m_channel.sendCommand(QStringLiteral("SET CHATMESSAGE %1 BODY ").arg(record.id).toUtf8() +
                              record.body.toUtf8(),
                          record.skypeWindow);
}

bool ChatMessageTracker::replaceMessageBody(qint32 id, const QString& text)
{
    // Decided before the record changes, so the record and the command agree.
    const std::shared_ptr<MessageCipher> cipher =
        m_services.encryptionOn() ? m_services.cipher.get() : nullptr;
    SkypeEndpoint window;
    const bool found = m_records.modify(id, [&](ChatMessageRecord& record) {
        if (!record.outgoing)
            return false;
        record.state = ChatMessageRecord::Replaced;
        if (!cipher)
            record.replacement = text;
        window = record.skypeWindow;
        return true;
    });
    if (!found)
        return false;
    QByteArray command = QStringLiteral("SET CHATMESSAGE %1 BODY ").arg(id).toUtf8();
    if (cipher)
        command += EncryptedMarker + cipher->encrypt(text.toUtf8());
    else
        command += text.toUtf8();
    m_channel.sendCommand(command, window);
    return true;
}

void ChatMessageTracker::purgeOldRecords()
{
    m_records.purgeBefore(nowSeconds() - RecordLifetimeSeconds);
}

void ChatMessageTracker::forgetEndpoint(const SkypeEndpoint& endpoint)
{
    m_records.removeWindow(endpoint);
}

qint64 ChatMessageTracker::nowSeconds() const
{
    return m_clock.nowMs() / 1000;
}

} // namespace verbalink
