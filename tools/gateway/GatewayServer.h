#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace verbalink::gateway {

class GatewayLog;
class RequestHandler;

// Listens on 127.0.0.1 and hands each connection to one of a fixed set of worker threads, so
// requests for different language pairs are translated side by side. Connections beyond what the
// workers and a short queue can take are told to come back later.
class GatewayServer {
public:
    static constexpr int Workers = 32;
    static constexpr qsizetype MaxQueued = 64;

    GatewayServer(RequestHandler& handler, GatewayLog& log);
    ~GatewayServer();
    GatewayServer(const GatewayServer&) = delete;
    GatewayServer& operator=(const GatewayServer&) = delete;

    // Port 0 picks a free one. False, with the reason, when the port cannot be had.
    bool listen(quint16 port, QString* error);
    quint16 port() const { return m_port; }
    // Stops accepting and waits for the connections being served.
    void stop();

private:
    void acceptConnections();
    void queue(int socket);
    void serveQueued();
    int nextQueued();

    RequestHandler& m_handler;
    GatewayLog& m_log;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::mutex m_queueMutex;
    std::condition_variable m_queued;
    std::deque<int> m_sockets;
    std::thread m_acceptor;
    std::vector<std::thread> m_workers;
};

} // namespace verbalink::gateway
