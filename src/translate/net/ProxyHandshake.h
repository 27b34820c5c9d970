#pragma once

#include <QByteArray>

namespace verbalink {

class ByteStream;

// The SOCKS5 and SOCKS4 dialogues that open a tunnel to the target through a connected proxy.
// Replies are read in single-read mode, at most 257 bytes each.
struct ProxyHandshake {
    enum class Outcome {
        Open,     // the tunnel stands: send the request
        NoAnswer, // the proxy said nothing usable before the tunnel: end with `count`
        Refused,  // the proxy refused the tunnel: tell the user (once) and end with 0
    };
    struct Result {
        Outcome outcome = Outcome::Open;
        int count = 0;
    };

    // Offers methods 00 and 02, logs in with user name and password when 02 is chosen, then
    // asks for the target by name (cut to 255 bytes) and port.
    static Result socks5(ByteStream& stream, const QByteArray& hostName, quint16 port,
                         const QByteArray& userName, const QByteArray& password, int timeoutValue);
    // Asks for the target by address (host byte order) and port; the user name is the user id.
    static Result socks4(ByteStream& stream, quint32 hostAddress, quint16 port,
                         const QByteArray& userName, int timeoutValue);
};

} // namespace verbalink
