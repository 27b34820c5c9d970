#pragma once

#include <QString>

namespace verbalink::xmpp {

// A blocking TCP connect to a host and port, for a worker thread: every address the name
// resolves to is tried in turn.
class SocketDialer {
public:
    struct Result {
        int socket = -1;
        // Why it failed; with a socket, why the targets before it failed (or empty).
        QString error;
    };

    static Result dial(const QString& host, int port);
    // For a domain without a given server: its SRV targets in turn, else the domain on 5222.
    static Result dialDomain(const QString& domain);
};

} // namespace verbalink::xmpp
