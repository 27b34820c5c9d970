#pragma once

#include <QByteArrayView>

namespace verbalink {

// One blocking IPv4 TCP connection of an exchange: connect, send, the budgeted receive, close.
// Owns its descriptor and closes it when destroyed. Not shared between threads.
class TcpSocket {
public:
    TcpSocket() = default;
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Connects to an address in host byte order; false (and closed) when that fails.
    bool connectTo(quint32 address, quint16 port);
    bool isOpen() const { return m_fd >= 0; }

    // Sends all bytes; on an error the socket is closed and the result is false.
    bool send(QByteArrayView bytes);

    // Reads into buffer[0..capacity) until the peer closes, the capacity is full, or the socket
    // stays silent: each chunk waits for at most (timeoutValue / 10) quiet spells of 20 ms, and in
    // `singleRead` mode the read ends about 70 ms after the data stops. Returns the bytes read,
    // 0 for a closed socket (buffer untouched), -1 when the first read fails (the socket is then
    // closed). The caller's buffer must hold `capacity` bytes; nothing is written past them.
    int receive(char* buffer, qsizetype capacity, bool singleRead, int timeoutValue);

    // Shuts the connection down in both directions and closes it.
    void close();

private:
    // 1 readable (or at its end), 0 not within waitMs, -1 on an error of the wait itself.
    int waitReadable(int waitMs) const;

    int m_fd = -1;
};

} // namespace verbalink
