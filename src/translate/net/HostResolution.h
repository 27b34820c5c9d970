#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink {

// Host names to IPv4 addresses, and the "name:port" form that configured hosts may take.
// Addresses are in host byte order (0x7F000001 is 127.0.0.1); 0 means not found.

// A configured host split into the name and the port. A trailing ":port" counts only when it is a
// decimal number 1..65535; otherwise the whole text is the name and the port is `defaultPort`.
struct HostAndPort {
    QByteArray name;
    quint16 port = 80;
};
HostAndPort splitHostPort(QByteArrayView configured, quint16 defaultPort = 80);

// The first IPv4 address of a name: a dotted address as it stands, else the resolver's host
// lookup, else the first IPv4 address among the first two address-info results. Blocks while the
// system resolver works. Thread-safe.
quint32 resolveIpv4(const QByteArray& name);

// "a.b.c.d" for an address in host byte order.
QByteArray ipv4Text(quint32 address);

} // namespace verbalink
