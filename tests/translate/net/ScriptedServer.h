#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <mutex>
#include <thread>

namespace verbalink::test {

// A loopback TCP server that plays the same script on every connection it accepts, one
// connection at a time, and keeps the bytes each connection sent. It stands for web servers
// that answer, stay silent, trickle, close early or fill a buffer, and for SOCKS proxies.
class ScriptedServer {
public:
    struct Step {
        enum Kind { ReadRequest, ReadBytes, Write, Pause, Close, Reset, Hold, WaitRelease };
        Kind kind = Close;
        QByteArray bytes;
        int value = 0;
    };
    // Reads up to and including the blank line that ends the request head.
    static Step readRequest() { return {Step::ReadRequest, {}, 0}; }
    static Step readBytes(int count) { return {Step::ReadBytes, {}, count}; }
    static Step write(const QByteArray& bytes) { return {Step::Write, bytes, 0}; }
    static Step pause(int ms) { return {Step::Pause, {}, ms}; }
    // Ends the connection with a reset instead of an orderly close.
    static Step reset() { return {Step::Reset, {}, 0}; }
    // Keeps the connection open, reading, until the client closes it.
    static Step hold() { return {Step::Hold, {}, 0}; }
    // Waits until release() is called.
    static Step waitRelease() { return {Step::WaitRelease, {}, 0}; }

    explicit ScriptedServer(QList<Step> script);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    quint16 port() const { return m_port; }
    // "127.0.0.1:<port>", as a configured host.
    QByteArray hostPort() const;
    // What each finished or running connection has sent so far, in order of acceptance.
    QList<QByteArray> received() const;
    int connectionCount() const;
    // True once a connection has reached the WaitRelease step.
    bool waiting() const { return m_waiting.load(); }
    void release() { m_released = true; }

private:
    void serve();
    void play(int fd, qsizetype index);
    bool readSome(int fd, qsizetype index, int waitMs);

    QList<Step> m_script;
    int m_listenFd = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_waiting{false};
    std::atomic<bool> m_released{false};
    mutable std::mutex m_mutex;
    QList<QByteArray> m_received;
    std::thread m_thread;
};

// A port on 127.0.0.1 that nothing listens on at the moment of the call.
quint16 freeLoopbackPort();

} // namespace verbalink::test
