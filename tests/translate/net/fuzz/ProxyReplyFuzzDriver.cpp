#include "ProxyReplyFuzzDriver.h"

#include "ScriptedStream.h"
#include "translate/net/ExchangeDialogue.h"

namespace verbalink::fuzz {

namespace {

using Piece = ScriptedStream::Piece;

const QByteArray Request = "GET http://service.example/t HTTP/1.0\r\n\r\n";

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

// Reads the conversation one client message at a time, with what the proxy said after it.
class Conversation {
public:
    explicit Conversation(const QList<Piece>& pieces) : m_pieces(pieces) {}

    bool next(QByteArray* sent, QByteArray* reply)
    {
        if (m_at >= m_pieces.size() || m_pieces[m_at].fromPeer)
            return false;
        *sent = m_pieces[m_at++].bytes;
        *reply = m_at < m_pieces.size() && m_pieces[m_at].fromPeer ? m_pieces[m_at++].bytes
                                                                   : QByteArray();
        return true;
    }
    bool over() const { return m_at >= m_pieces.size(); }

private:
    const QList<Piece>& m_pieces;
    qsizetype m_at = 0;
};

QByteArray withLength(const QByteArray& field)
{
    const QByteArray cut = field.left(255);
    return char(cut.size()) + cut;
}

// The second byte of a reply; a one-byte reply reads its terminator there.
unsigned char secondByte(const QByteArray& reply)
{
    return reply.size() > 1 ? static_cast<unsigned char>(reply[1]) : 0;
}

struct Tunnel {
    QString failure;
    bool granted = false;
    bool refused = false;
};

Tunnel checkSocks5(Conversation& talk, const ExchangeDialogue::Route& route, bool closed)
{
    QByteArray sent;
    QByteArray reply;
    if (!talk.next(&sent, &reply) || sent != QByteArrayView("\x05\x02\x00\x02", 4))
        return {fail("SOCKS5 greeting")};
    if (reply.isEmpty() || secondByte(reply) == 0xFF)
        return {};
    // A proxy that hung up midway has refused: what would follow cannot go out.
    const Tunnel hungUp = closed ? Tunnel{{}, false, true} : Tunnel{fail("SOCKS5 message missing")};
    if (secondByte(reply) == 0x02) {
        QByteArray ignored;
        if (!talk.next(&sent, &ignored))
            return hungUp;
        if (sent != '\x01' + withLength(route.proxyUserName) + withLength(route.proxyPassword))
            return {fail("SOCKS5 login")};
    }
    if (!talk.next(&sent, &reply))
        return hungUp;
    if (sent != QByteArrayView("\x05\x01\x00\x03", 4) + withLength(route.hostName) +
                    QByteArray("\x00\x50", 2))
        return {fail("SOCKS5 connect request")};
    const bool granted = reply.size() >= 2 && reply[1] == 0;
    return {{}, granted, !granted};
}

Tunnel checkSocks4(Conversation& talk, const ExchangeDialogue::Route& route)
{
    QByteArray sent;
    QByteArray reply;
    const QByteArray userId = route.proxyUserName.left(route.proxyUserName.indexOf('\0') < 0
                                                           ? route.proxyUserName.size()
                                                           : route.proxyUserName.indexOf('\0'));
    if (!talk.next(&sent, &reply) ||
        sent != QByteArrayView("\x04\x01\x00\x50\x7f\x00\x00\x01", 8) + userId + '\0')
        return {fail("SOCKS4 request")};
    const bool granted = reply.size() >= 2 && static_cast<unsigned char>(reply[1]) == 0x5A;
    return {{}, granted, !granted};
}

ExchangeDialogue::Route routeOf(unsigned char selector, unsigned char mode)
{
    static constexpr ProxySettings::Type types[] = {ProxySettings::Http, ProxySettings::Socks5,
                                                    ProxySettings::Socks4, ProxySettings::Socks5};
    const bool longFields = (selector & 8) != 0;
    ExchangeDialogue::Route route;
    route.proxyInUse = true;
    route.proxyType = types[selector & 3];
    route.hostName = longFields ? QByteArray(300, 'h') : QByteArray("service.example");
    route.hostAddress = 0x7F000001;
    if (selector & 4) {
        route.proxyUserName = longFields ? QByteArray(300, 'u') : QByteArray("us\0er", 5);
        route.proxyPassword = longFields ? QByteArray(280, 'p') : QByteArray("secret");
    }
    route.singleRead = (mode & 1) != 0;
    route.timeoutValue = (mode >> 1) * 10;
    return route;
}

} // namespace

QString driveProxyReplies(QByteArrayView input)
{
    if (input.size() < 2)
        return {};
    const ExchangeDialogue::Route route =
        routeOf(static_cast<unsigned char>(input[0]), static_cast<unsigned char>(input[1]));
    ScriptedStream stream(ScriptedStream::parseScript(input.sliced(2)));
    QByteArray response;
    const ExchangeDialogue::Outcome got =
        ExchangeDialogue::run(stream, route, Request, response, 4096);

    Conversation talk(stream.transcript());
    Tunnel tunnel{{}, true, false};
    if (route.proxyType == ProxySettings::Socks5)
        tunnel = checkSocks5(talk, route, !stream.isOpen());
    else if (route.proxyType == ProxySettings::Socks4)
        tunnel = checkSocks4(talk, route);
    if (!tunnel.failure.isEmpty())
        return tunnel.failure;
    if (got.proxyRefused != tunnel.refused)
        return fail("a refusal must be reported, and only a refusal");
    if (!tunnel.granted) {
        if (!talk.over() || got.count > 0 || stream.isOpen() || !response.isEmpty())
            return fail("nothing may follow a tunnel that was not granted");
        return tunnel.refused && got.count != 0 ? fail("a refusal ends with 0") : QString();
    }
    QByteArray sent;
    QByteArray answer;
    if (!talk.next(&sent, &answer)) {
        // The proxy hung up as it granted the tunnel: no connection for the request.
        if (stream.isOpen() || got.count != -1 || !response.isEmpty())
            return fail("the request must go out through a granted tunnel");
        return {};
    }
    if (sent != Request || !talk.over())
        return fail("the request must go out once, through the tunnel");
    if (response != answer || (got.count < 0 ? !response.isEmpty() : got.count != response.size()))
        return fail("the answer must be exactly what came after the request");
    return {};
}

} // namespace verbalink::fuzz
