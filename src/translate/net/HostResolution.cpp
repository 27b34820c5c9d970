#include "translate/net/HostResolution.h"

#include <arpa/inet.h>
#include <array>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <sys/socket.h>

namespace verbalink {

namespace {

quint32 dottedAddress(const QByteArray& name)
{
    in_addr parsed{};
    return inet_pton(AF_INET, name.constData(), &parsed) == 1 ? ntohl(parsed.s_addr) : 0;
}

quint32 hostLookup(const QByteArray& name)
{
    hostent entry{};
    hostent* result = nullptr;
    int error = 0;
    std::array<char, 8192> scratch{};
    if (gethostbyname_r(name.constData(), &entry, scratch.data(), scratch.size(), &result,
                        &error) != 0 ||
        result == nullptr || result->h_addrtype != AF_INET || result->h_length != 4 ||
        result->h_addr_list[0] == nullptr)
        return 0;
    in_addr address{};
    std::memcpy(&address, result->h_addr_list[0], sizeof address);
    return ntohl(address.s_addr);
}

quint32 addressInfoLookup(const QByteArray& name)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* list = nullptr;
    if (getaddrinfo(name.constData(), "", &hints, &list) != 0)
        return 0;
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(list, &freeaddrinfo);
    int seen = 0;
    for (const addrinfo* info = list; info != nullptr && seen < 2; info = info->ai_next, ++seen) {
        if (info->ai_family == AF_INET)
            return ntohl(reinterpret_cast<const sockaddr_in*>(info->ai_addr)->sin_addr.s_addr);
    }
    return 0;
}

} // namespace

HostAndPort splitHostPort(QByteArrayView configured, quint16 defaultPort)
{
    const qsizetype colon = configured.lastIndexOf(':');
    const QByteArrayView digits = colon > 0 ? configured.sliced(colon + 1) : QByteArrayView();
    if (digits.isEmpty() || digits.size() > 5)
        return {configured.toByteArray(), defaultPort};
    uint port = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return {configured.toByteArray(), defaultPort};
        port = port * 10 + uint(c - '0');
    }
    if (port < 1 || port > 65535)
        return {configured.toByteArray(), defaultPort};
    return {configured.first(colon).toByteArray(), quint16(port)};
}

quint32 resolveIpv4(const QByteArray& name)
{
    // An empty name must not reach the resolver: it would answer with this host's address.
    if (name.isEmpty() || name.contains('\0'))
        return 0;
    // A dotted address is taken as it stands: a reverse lookup could only give the same address
    // back, at the price of a PTR query that may wait seconds on an unreachable DNS server.
    if (const quint32 dotted = dottedAddress(name))
        return dotted;
    if (const quint32 found = hostLookup(name))
        return found;
    return addressInfoLookup(name);
}

QByteArray ipv4Text(quint32 address)
{
    QByteArray text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        text.append(QByteArray::number((address >> shift) & 0xFF));
        if (shift > 0)
            text.append('.');
    }
    return text;
}

} // namespace verbalink
