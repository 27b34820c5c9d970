#pragma once

#include "translate/net/ProxySettings.h"

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink {

class ByteStream;

// What is said on an open connection in one exchange: the proxy's handshake when there is one,
// the request, then the budgeted answer. Resolving, connecting and telling the user stay with
// HttpConnection.
class ExchangeDialogue {
public:
    struct Route {
        bool proxyInUse = false;
        ProxySettings::Type proxyType = ProxySettings::Http;
        QByteArray hostName;
        quint16 port = 80;
        // Host byte order; what a SOCKS4 proxy is asked for.
        quint32 hostAddress = 0;
        QByteArray proxyUserName;
        QByteArray proxyPassword;
        int timeoutValue = 100;
        bool singleRead = false;
    };
    struct Outcome {
        // As HttpConnection::exchange returns it.
        int count = -1;
        // The proxy refused the tunnel (the user is told once per connection).
        bool proxyRefused = false;
    };

    // Stores up to `capacity` bytes of the answer in `response`, resized to what came.
    static Outcome run(ByteStream& stream, const Route& route, QByteArrayView request,
                       QByteArray& response, qsizetype capacity);
};

} // namespace verbalink
