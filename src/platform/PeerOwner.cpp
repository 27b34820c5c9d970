#include "platform/PeerOwner.h"

#include <QFile>
#include <QList>
#include <arpa/inet.h>
#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::peerowner {

namespace {

struct DiagRequest {
    nlmsghdr header;
    inet_diag_req_v2 body;
};

DiagRequest peerSocketRequest(const TcpEnds& ends)
{
    DiagRequest request{};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = SOCK_DIAG_BY_FAMILY;
    request.header.nlmsg_flags = NLM_F_REQUEST;
    request.body.sdiag_family = AF_INET;
    request.body.sdiag_protocol = IPPROTO_TCP;
    request.body.idiag_states = ~0u;
    // The peer's own socket: its source is the peer's end, its destination ours.
    request.body.id.idiag_sport = htons(ends.peerPort);
    request.body.id.idiag_dport = htons(ends.localPort);
    request.body.id.idiag_src[0] = htonl(ends.peerAddress);
    request.body.id.idiag_dst[0] = htonl(ends.localAddress);
    request.body.id.idiag_cookie[0] = INET_DIAG_NOCOOKIE;
    request.body.id.idiag_cookie[1] = INET_DIAG_NOCOOKIE;
    return request;
}

bool isPeerSocket(const inet_diag_msg& message, const TcpEnds& ends)
{
    // A lookup may fall back to a listening socket on the peer's port; only the connected one
    // counts.
    return message.idiag_family == AF_INET && message.id.idiag_sport == htons(ends.peerPort) &&
           message.id.idiag_dport == htons(ends.localPort) &&
           message.id.idiag_src[0] == htonl(ends.peerAddress) &&
           message.id.idiag_dst[0] == htonl(ends.localAddress);
}

std::optional<uid_t> ownerInReply(const char* bytes, ssize_t size, const TcpEnds& ends)
{
    int left = int(size);
    for (auto* header = reinterpret_cast<const nlmsghdr*>(bytes); NLMSG_OK(header, left);
         header = NLMSG_NEXT(header, left)) {
        if (header->nlmsg_type != SOCK_DIAG_BY_FAMILY ||
            header->nlmsg_len < NLMSG_LENGTH(sizeof(inet_diag_msg)))
            return std::nullopt;
        const auto* message = static_cast<const inet_diag_msg*>(NLMSG_DATA(header));
        if (isPeerSocket(*message, ends))
            return uid_t(message->idiag_uid);
    }
    return std::nullopt;
}

// "0100007F:1F90": the address as the kernel prints its network-order word, the port in host
// order.
bool matchesEnd(QByteArrayView field, quint32 address, quint16 port)
{
    const qsizetype colon = field.indexOf(':');
    if (colon < 0)
        return false;
    bool addressOk = false, portOk = false;
    const quint32 printed = field.first(colon).toUInt(&addressOk, 16);
    const uint printedPort = field.sliced(colon + 1).toUInt(&portOk, 16);
    return addressOk && portOk && printed == htonl(address) && printedPort == port;
}

} // namespace

std::optional<TcpEnds> endsOf(int fd)
{
    sockaddr_in peer{}, local{};
    socklen_t peerLength = sizeof peer, localLength = sizeof local;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0 ||
        peer.sin_family != AF_INET || local.sin_family != AF_INET)
        return std::nullopt;
    return TcpEnds{ntohl(peer.sin_addr.s_addr), ntohs(peer.sin_port), ntohl(local.sin_addr.s_addr),
                   ntohs(local.sin_port)};
}

std::optional<uid_t> fromSocketDiagnostics(const TcpEnds& ends)
{
    const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
    if (fd < 0)
        return std::nullopt;
    DiagRequest request = peerSocketRequest(ends);
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    std::optional<uid_t> owner;
    if (::sendto(fd, &request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&kernel),
                 sizeof kernel) == ssize_t(sizeof request)) {
        // The kernel answers a single-socket request before sendto returns: never wait here.
        alignas(nlmsghdr) char reply[8192];
        const ssize_t size = ::recv(fd, reply, sizeof reply, MSG_DONTWAIT);
        if (size > 0)
            owner = ownerInReply(reply, size, ends);
    }
    ::close(fd);
    return owner;
}

std::optional<uid_t> fromProcTable(const TcpEnds& ends, QByteArrayView table)
{
    // Columns: sl local_address rem_address st tx:rx tr:when retrnsmt uid ...
    constexpr int LocalColumn = 1, RemoteColumn = 2, UidColumn = 7;
    for (const QByteArray& line : table.toByteArray().split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() <= UidColumn ||
            !matchesEnd(columns[LocalColumn], ends.peerAddress, ends.peerPort) ||
            !matchesEnd(columns[RemoteColumn], ends.localAddress, ends.localPort))
            continue;
        bool ok = false;
        const uint uid = columns[UidColumn].toUInt(&ok);
        return ok ? std::optional<uid_t>(uid_t(uid)) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<uid_t> fromProcNetTcp(const TcpEnds& ends)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromProcTable(ends, table.readAll());
}

std::optional<uid_t> ofPeer(int fd)
{
    const std::optional<TcpEnds> ends = endsOf(fd);
    if (!ends)
        return std::nullopt;
    if (const std::optional<uid_t> owner = fromSocketDiagnostics(*ends))
        return owner;
    return fromProcNetTcp(*ends);
}

} // namespace verbalink::peerowner
