#include "HandedSocketConnection.h"

#include <gloox/connectiondatahandler.h>

namespace verbalink::xmpp {

HandedSocketConnection::HandedSocketConnection(gloox::ConnectionDataHandler* handler,
                                               const gloox::LogSink& log)
    : gloox::ConnectionTCPClient(handler, log, std::string(), -1)
{}

gloox::ConnectionError HandedSocketConnection::connect()
{
    if (!m_handler || m_handed < 0)
        return gloox::ConnNotConnected;
    m_socket = m_handed;
    m_handed = -1;
    m_cancel = false;
    m_state = gloox::StateConnected;
    m_handler->handleConnect(this);
    return gloox::ConnNoError;
}

} // namespace verbalink::xmpp
