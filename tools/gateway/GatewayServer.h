#pragma once

#include "gateway/ConnectionTable.h"
#include "gateway/HttpRequestParser.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace verbalink::gateway {

class GatewayLog;
class RequestHandler;
class RequestPool;

// What the clients together may hold of the server.
struct ServerLimits {
    // Open connections, within the process's descriptors; one more lets go of the connection
    // that has waited longest for its request.
    qsizetype connections = 4096;
    // Request bytes held for the connections still sending; past them the same.
    qsizetype bufferedBytes = qsizetype(64) << 20;
    RequestLimits request;
};

// Listens on 127.0.0.1 and keeps every connection in one event loop that reads requests as
// their bytes come; only a whole request goes to the threads that translate. A client that is
// slow to send, or never does, holds no more than its socket, so it cannot keep others waiting.
class GatewayServer {
public:
    static constexpr int Workers = 32;

    GatewayServer(RequestHandler& handler, GatewayLog& log, ServerLimits limits = {});
    ~GatewayServer();
    GatewayServer(const GatewayServer&) = delete;
    GatewayServer& operator=(const GatewayServer&) = delete;

    // Port 0 picks a free one. False, with the reason, when the port cannot be had.
    bool listen(quint16 port, QString* error);
    quint16 port() const { return m_port; }
    // Stops accepting and waits for the requests being translated.
    void stop();

private:
    bool openSockets(quint16 port, QString* error);
    void run();
    void acceptConnections();
    bool acceptOne();
    bool refuseOne();
    void onEvent(quint64 id, quint32 events);
    void onReadable(quint64 id, ClientConnection& connection);
    void settle(quint64 id, ClientConnection& connection, ClientConnection::Read read,
                ParsedRequest& parsed, bool timedOut);
    void reply(quint64 id, ClientConnection& connection, QByteArray bytes);
    void takeAnswers();
    void expire();
    void keepWithinLimits();
    bool letOldestWaitingGo();
    void changed(quint64 id, ClientConnection& connection, ClientConnection::State before);
    void close(quint64 id);
    int waitMs() const;
    void wake();

    RequestHandler& m_handler;
    GatewayLog& m_log;
    ServerLimits m_limits;
    int m_listener = -1;
    int m_epoll = -1;
    int m_wake = -1;
    // Held back for the moment all descriptors are taken, so a client can still be told.
    int m_spare = -1;
    quint16 m_port = 0;
    qsizetype m_maxConnections = 0;
    std::atomic<bool> m_stopping{false};
    std::unique_ptr<RequestPool> m_pool;
    ConnectionTable m_connections;
    std::thread m_loop;
};

} // namespace verbalink::gateway
