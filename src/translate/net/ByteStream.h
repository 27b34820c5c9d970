#pragma once

#include <QByteArrayView>

namespace verbalink {

// One open connection as an exchange sees it: send, wait for data, read, close. TcpSocket is the
// real one; the receive budget and the proxy dialogues are written against this, so a scripted
// peer can play any reply, split anywhere, without a socket.
class ByteStream {
public:
    virtual ~ByteStream() = default;

    virtual bool isOpen() const = 0;
    // Sends all bytes; on an error the stream is closed and the result is false.
    virtual bool send(QByteArrayView bytes) = 0;
    // 1 readable (or at its end), 0 nothing within waitMs, -1 when the wait itself failed.
    virtual int waitReadable(int waitMs) = 0;
    // Up to `size` bytes into `buffer`: the count, 0 at the end, -1 on an error.
    virtual qsizetype read(char* buffer, qsizetype size) = 0;
    virtual void close() = 0;
};

} // namespace verbalink
