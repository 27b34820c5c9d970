#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>
#include <sys/types.h>

namespace verbalink {

// Who is at the other end of a TCP connection accepted on this machine: the user owning the
// peer's socket, so a local server can serve its own user's processes only. IPv4 only.
namespace peerowner {

// Both ends of a connection, addresses and ports in host byte order.
struct TcpEnds {
    quint32 peerAddress = 0;
    quint16 peerPort = 0;
    quint32 localAddress = 0;
    quint16 localPort = 0;
};

// The ends of a connected IPv4 socket; nothing for any other socket.
std::optional<TcpEnds> endsOf(int fd);
// The owner of the peer's socket as the kernel's socket diagnostics (NETLINK_SOCK_DIAG) report
// it; nothing when they cannot be asked or do not know the socket.
std::optional<uid_t> fromSocketDiagnostics(const TcpEnds& ends);
// The same from the text of /proc/net/tcp.
std::optional<uid_t> fromProcTable(const TcpEnds& ends, QByteArrayView table);
std::optional<uid_t> fromProcNetTcp(const TcpEnds& ends);
// The owner of the peer of a connected socket: socket diagnostics first, /proc/net/tcp where
// they are not available. Nothing when neither finds the peer.
std::optional<uid_t> ofPeer(int fd);

} // namespace peerowner

} // namespace verbalink
