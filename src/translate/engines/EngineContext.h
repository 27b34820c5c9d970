#pragma once

#include <QByteArray>

namespace verbalink {

class EngineExchange;
class HttpConnection;

// What one engine call talks through: its connection, the exchange with the retry rule, the
// host its request names and the proxy line (empty when none is sent).
struct EngineContext {
    HttpConnection& connection;
    const EngineExchange& exchange;
    QByteArray host;
    QByteArray proxyLine;
};

} // namespace verbalink
