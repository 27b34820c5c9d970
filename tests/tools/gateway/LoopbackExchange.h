#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace verbalink::gateway {

// Sends raw bytes to 127.0.0.1:port on a fresh connection and returns all that comes back until
// the server closes. With `halfClose` the sending side is shut after the bytes, as a client
// that gives up on its request would.
QByteArray exchangeOnLoopback(quint16 port, const QByteArray& request, bool halfClose = false);

} // namespace verbalink::gateway
