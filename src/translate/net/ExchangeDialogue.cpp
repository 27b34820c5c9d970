#include "translate/net/ExchangeDialogue.h"

#include "translate/net/ByteStream.h"
#include "translate/net/ProxyHandshake.h"
#include "translate/net/ResponseReceive.h"

#include <algorithm>
#include <climits>

namespace verbalink {

namespace {

ProxyHandshake::Result handshake(ByteStream& stream, const ExchangeDialogue::Route& route)
{
    switch (route.proxyType) {
    case ProxySettings::Socks5:
        return ProxyHandshake::socks5(stream, route.hostName, route.port, route.proxyUserName,
                                      route.proxyPassword, route.timeoutValue);
    case ProxySettings::Socks4:
        return ProxyHandshake::socks4(stream, route.hostAddress, route.port, route.proxyUserName,
                                      route.timeoutValue);
    case ProxySettings::Http:
        break;
    }
    return {};
}

} // namespace

ExchangeDialogue::Outcome ExchangeDialogue::run(ByteStream& stream, const Route& route,
                                                QByteArrayView request, QByteArray& response,
                                                qsizetype capacity)
{
    response.clear();
    if (route.proxyInUse) {
        const ProxyHandshake::Result opened = handshake(stream, route);
        if (opened.outcome != ProxyHandshake::Outcome::Open)
            return {opened.count, opened.outcome == ProxyHandshake::Outcome::Refused};
    }
    if (!stream.send(request))
        return {};
    // A SOCKS tunnel may stay open after the answer: its end is found by the silence.
    const bool singleRead =
        route.proxyInUse && route.proxyType != ProxySettings::Http ? true : route.singleRead;
    capacity = std::clamp<qsizetype>(capacity, 0, INT_MAX - 1);
    response.resize(capacity);
    const int count =
        receiveResponse(stream, response.data(), capacity, singleRead, route.timeoutValue);
    response.resize(qMax(count, 0));
    return {count, false};
}

} // namespace verbalink
