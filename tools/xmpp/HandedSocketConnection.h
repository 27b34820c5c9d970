#pragma once

#include <gloox/connectiontcpclient.h>

namespace verbalink::xmpp {

// gloox's TCP connection over a socket that was resolved and connected elsewhere (on a worker
// thread), so that gloox never blocks the GUI thread on DNS or connect. Reading is driven from
// outside too: recv(0) when the socket has data.
class HandedSocketConnection : public gloox::ConnectionTCPClient {
public:
    HandedSocketConnection(gloox::ConnectionDataHandler* handler, const gloox::LogSink& log);

    // The connected socket the next connect() uses; the connection owns it from then on.
    void handOver(int socket) { m_handed = socket; }
    gloox::ConnectionError connect() override;

private:
    int m_handed = -1;
};

} // namespace verbalink::xmpp
