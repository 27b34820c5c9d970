#pragma once

#include "audio/CallAudioConnection.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace verbalink {

// A TCP server on 127.0.0.1 for the call's routed audio streams: the capture server receives
// into each connection's buffer, the input server sends what is queued in it. One I/O thread
// serves the listening socket and all connections with poll(). Only the processes of the user
// running it are served: a connection from another user's socket is closed at once.
class CallAudioServer {
public:
    enum class Role { Capture, Input };
    static constexpr quint16 CaptureBasePort = 34343;
    static constexpr quint16 InputBasePort = 34353;
    static constexpr int PortAttempts = 11;
    static constexpr int MaxConnections = 8;
    static constexpr int Backlog = 64;
    static constexpr qsizetype ReceiveChunk = 50000;

    // basePort 0 takes any free port (for tests).
    CallAudioServer(Role role, quint16 basePort);
    ~CallAudioServer();
    CallAudioServer(const CallAudioServer&) = delete;
    CallAudioServer& operator=(const CallAudioServer&) = delete;

    // Binds the first free port of the walk, listens and starts the I/O thread; false when no
    // port could be bound or the server already runs.
    bool start();
    void stop();
    // Called on the I/O thread when captured bytes arrive and when a connection ends: what the
    // audio engine waits for. Set it before start().
    void setActivityHook(std::function<void()> hook) { m_activity = std::move(hook); }
    // Told of each refused connection, on the I/O thread. Set it before start().
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }
    bool isListening() const { return m_listening.load(); }
    // The port put into the routing commands: the bound one, or the last one tried.
    quint16 port() const { return m_port.load(); }
    // The live connections in the order they were accepted.
    std::vector<std::shared_ptr<CallAudioConnection>> connections() const;
    // The same into a vector the caller keeps, so a pass of the engine allocates nothing.
    void connections(std::vector<std::shared_ptr<CallAudioConnection>>& live) const;

private:
    struct Entry {
        int fd = -1;
        std::shared_ptr<CallAudioConnection> connection;
    };

    bool bindFirstFreePort();
    void run();
    void acceptPending();
    // True for a peer socket of our own user; logs the refusal of any other.
    bool servesPeer(int fd) const;
    // False when the connection has ended.
    bool serve(const Entry& entry, short events);
    bool receive(const Entry& entry);
    bool sendQueued(const Entry& entry);
    void remove(int fd);
    void wake();

    Role m_role;
    quint16 m_basePort;
    std::atomic<quint16> m_port;
    int m_listenFd = -1;
    int m_wakeFd = -1;
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_listening = false;
    mutable std::mutex m_tableLock;
    std::vector<Entry> m_table;
    QByteArray m_chunk;
    std::function<void()> m_activity;
    std::function<void(const QString&)> m_log;
    std::thread m_thread;
};

} // namespace verbalink
