#include "skype/SkypeConnection.h"

#include <thread>
#include <utility>

namespace verbalink {

SkypeConnection::SkypeConnection(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes)
    : m_transport(transport), m_channel(transport, m_state, m_handlers.onLog,
                                        [this](const QString& line, const SkypeEndpoint& from) {
                                            m_dispatcher.dispatch(line, from);
                                        }),
      m_tracker(m_records, m_channel, m_session, clock, m_handlers, m_services),
      m_outgoing(m_services, m_jobs), m_incoming(m_services, m_handlers.onLog),
      m_worker(m_jobs, m_services.outgoingRunner),
      m_contactOperations(m_contacts, m_channel, clock, m_records, m_services.textArt,
                          std::this_thread::get_id()),
      m_dispatcher(m_channel, m_state, clock, m_session, m_contacts, m_call, m_options, m_handlers),
      m_link(transport, clock, boxes, m_state, m_channel, m_handlers)
{
    wireMessageHandlers();
    SkypeTransport::Handlers events;
    events.attach = [this](const SkypeEndpoint& from, int status) {
        m_link.handleAttach(from, status);
    };
    events.received = [this](const SkypeEndpoint& from, const QByteArray& bytes) {
        m_channel.receive(from, bytes);
    };
    events.gone = [this](const SkypeEndpoint& endpoint) {
        m_link.handleGone(endpoint);
        m_tracker.forgetEndpoint(endpoint);
    };
    m_transport.setHandlers(std::move(events));
}

SkypeConnection::~SkypeConnection()
{
    stop();
}

void SkypeConnection::wireMessageHandlers()
{
    m_handlers.onChatMessageEvent.set(
        [this](const ChatMessageEvent& event, const SkypeEndpoint& from) {
            m_tracker.handleChatMessageEvent(event, from);
        });
    m_handlers.onPurgeRecords.set([this] { m_tracker.purgeOldRecords(); });
    m_handlers.onOutgoingMessage.set(
        [this](const ChatMessageRecord& record) { return m_outgoing.handle(record); });
    m_handlers.onIncomingMessage.set(
        [this](const ChatMessageRecord& record) { m_incoming.handle(record); });
}

bool SkypeConnection::start()
{
    m_state.clearEndpoints();
    m_worker.start();
    return m_link.start();
}

void SkypeConnection::stop()
{
    m_link.stop();
    m_worker.stop();
}

bool SkypeConnection::sendCommand(const QByteArray& command, const SkypeEndpoint& to)
{
    return m_channel.sendCommand(command, to);
}

bool SkypeConnection::sendCommand(const QString& command, const SkypeEndpoint& to)
{
    return m_channel.sendCommand(command, to);
}

void SkypeConnection::sendToAll(const QByteArray& command)
{
    m_channel.sendToAll(command);
}

void SkypeConnection::sendToAll(const QString& command)
{
    m_channel.sendToAll(command);
}

void SkypeConnection::handleChatMessageEvent(const ChatMessageEvent& event,
                                             const SkypeEndpoint& from)
{
    m_tracker.handleChatMessageEvent(event, from);
}

bool SkypeConnection::replaceMessageBody(qint32 id, const QString& text)
{
    return m_tracker.replaceMessageBody(id, text);
}

void SkypeConnection::purgeOldRecords()
{
    m_tracker.purgeOldRecords();
}

std::optional<ChatMessageRecord> SkypeConnection::findRecord(qint32 id) const
{
    return m_records.find(id);
}

bool SkypeConnection::refreshContacts()
{
    return m_contactOperations.refreshContacts();
}

QStringList SkypeConnection::contactEntries()
{
    return m_contactOperations.contactEntries();
}

QString SkypeConnection::displayName(const QString& name) const
{
    return m_contacts.displayName(name);
}

QString SkypeConnection::handleOf(const QString& name) const
{
    return m_contacts.handleOf(name);
}

QString SkypeConnection::handleAt(qsizetype index) const
{
    return m_contacts.handleAt(index);
}

QByteArray SkypeConnection::partnerLanguage(qint32 messageId)
{
    return m_contactOperations.partnerLanguage(messageId);
}

bool SkypeConnection::postMessageTo(const QString& name, const QString& text, bool onlyKnown)
{
    return m_contactOperations.postMessageTo(name, text, onlyKnown);
}

bool SkypeConnection::postArtMessageTo(const QString& name, const QString& effect)
{
    return m_contactOperations.postArtMessageTo(name, effect);
}

void SkypeConnection::refreshAvatars(const QString& avatarFolder)
{
    m_contactOperations.refreshAvatars(avatarFolder);
}

} // namespace verbalink
