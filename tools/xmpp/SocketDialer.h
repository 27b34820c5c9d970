#pragma once

#include <QString>

namespace verbalink::xmpp {

// A blocking TCP connect to a host and port, for a worker thread: every address the name
// resolves to is tried in turn.
class SocketDialer {
public:
    struct Result {
        int socket = -1;
        QString error;
    };

    static Result dial(const QString& host, int port);
};

} // namespace verbalink::xmpp
