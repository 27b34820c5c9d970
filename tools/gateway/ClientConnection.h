#pragma once

#include "gateway/HttpRequestParser.h"

#include <QByteArrayView>
#include <QString>
#include <atomic>

namespace verbalink::gateway {

class GatewayLog;
class RequestHandler;

// One client's connection: reads its request within a time limit, answers it, logs a line and
// closes, letting the client read the whole answer before the socket goes.
class ClientConnection {
public:
    static constexpr int RequestWaitMs = 5000;

    ClientConnection(int socket, RequestHandler& handler, GatewayLog& log,
                     const std::atomic<bool>& stopping);
    ~ClientConnection();
    ClientConnection(const ClientConnection&) = delete;
    ClientConnection& operator=(const ClientConnection&) = delete;

    void serve();

private:
    // The request, or why there is none; `received` tells whether any byte came.
    ParsedRequest receive(bool* received);
    void send(QByteArrayView bytes);
    void close();
    QString peer() const;

    int m_socket;
    RequestHandler& m_handler;
    GatewayLog& m_log;
    const std::atomic<bool>& m_stopping;
};

} // namespace verbalink::gateway
