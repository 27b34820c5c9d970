#pragma once

#include "translate/net/ByteStream.h"

namespace verbalink {

// One blocking IPv4 TCP connection of an exchange: connect, send, wait, read, close. Owns its
// descriptor and closes it when destroyed. Not shared between threads.
class TcpSocket final : public ByteStream {
public:
    TcpSocket() = default;
    ~TcpSocket() override;
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Connects to an address in host byte order; false (and closed) when that fails.
    bool connectTo(quint32 address, quint16 port);

    bool isOpen() const override { return m_fd >= 0; }
    bool send(QByteArrayView bytes) override;
    int waitReadable(int waitMs) override;
    qsizetype read(char* buffer, qsizetype size) override;
    // Shuts the connection down in both directions and closes it.
    void close() override;

private:
    int m_fd = -1;
};

} // namespace verbalink
