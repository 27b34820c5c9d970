#include "skype/SkypeConnection.h"

#include <utility>

namespace verbalink {

SkypeConnection::SkypeConnection(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes)
    : m_transport(transport), m_channel(transport, m_state, m_handlers.onLog,
                                        [this](const QString& line, const SkypeEndpoint& from) {
                                            m_dispatcher.dispatch(line, from);
                                        }),
      m_dispatcher(m_channel, m_state, clock, m_session, m_contacts, m_call, m_options, m_handlers),
      m_link(transport, clock, boxes, m_state, m_channel, m_handlers)
{
    SkypeTransport::Handlers events;
    events.attach = [this](const SkypeEndpoint& from, int status) {
        m_link.handleAttach(from, status);
    };
    events.received = [this](const SkypeEndpoint& from, const QByteArray& bytes) {
        m_channel.receive(from, bytes);
    };
    m_transport.setHandlers(std::move(events));
}

SkypeConnection::~SkypeConnection()
{
    stop();
}

bool SkypeConnection::start()
{
    m_state.clearEndpoints();
    return m_link.start();
}

void SkypeConnection::stop()
{
    m_link.stop();
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

} // namespace verbalink
