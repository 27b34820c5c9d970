#include "translate/net/ProxyHandshake.h"

#include "translate/net/ByteStream.h"
#include "translate/net/ResponseReceive.h"

namespace verbalink {

namespace {

constexpr qsizetype ReplyCapacity = 257;

QByteArray readReply(ByteStream& stream, int timeoutValue, int* count)
{
    QByteArray reply(ReplyCapacity, '\0');
    *count = receiveResponse(stream, reply.data(), ReplyCapacity, true, timeoutValue);
    reply.resize(qMax(*count, 0));
    return reply;
}

// Byte 1 of a reply; a reply of one byte reads the terminator there, as a C buffer would.
uchar secondByte(const QByteArray& reply)
{
    return reply.size() > 1 ? uchar(reply[1]) : 0;
}

void appendPort(QByteArray& bytes, quint16 port)
{
    bytes.append(char(port >> 8));
    bytes.append(char(port & 0xFF));
}

} // namespace

ProxyHandshake::Result ProxyHandshake::socks5(ByteStream& stream, const QByteArray& hostName,
                                              quint16 port, const QByteArray& userName,
                                              const QByteArray& password, int timeoutValue)
{
    int count = 0;
    stream.send(QByteArrayView("\x05\x02\x00\x02", 4));
    QByteArray reply = readReply(stream, timeoutValue, &count);
    if (count <= 0) {
        stream.close();
        return {Outcome::NoAnswer, count};
    }
    const uchar method = secondByte(reply);
    if (method == 0xFF) {
        stream.close();
        return {Outcome::NoAnswer, 0};
    }
    if (method == 0x02) {
        const QByteArray user = userName.left(255);
        const QByteArray secret = password.left(255);
        QByteArray login;
        login.append('\x01').append(char(user.size())).append(user);
        login.append(char(secret.size())).append(secret);
        stream.send(login);
        readReply(stream, timeoutValue, &count); // the verdict comes with the connect reply
    }
    const QByteArray name = hostName.left(255);
    QByteArray request("\x05\x01\x00\x03", 4);
    request.append(char(name.size())).append(name);
    appendPort(request, port);
    stream.send(request);
    reply = readReply(stream, timeoutValue, &count);
    if (reply.size() < 2 || reply[1] != 0) {
        stream.close();
        return {Outcome::Refused, 0};
    }
    return {Outcome::Open, 0};
}

ProxyHandshake::Result ProxyHandshake::socks4(ByteStream& stream, quint32 hostAddress, quint16 port,
                                              const QByteArray& userName, int timeoutValue)
{
    QByteArray request("\x04\x01", 2);
    appendPort(request, port);
    for (int shift = 24; shift >= 0; shift -= 8)
        request.append(char((hostAddress >> shift) & 0xFF));
    // The user id ends at its NUL on the wire, so an embedded NUL must not end it early.
    request.append(
        userName.left(userName.indexOf('\0') < 0 ? userName.size() : userName.indexOf('\0')));
    request.append('\0');
    stream.send(request);
    int count = 0;
    const QByteArray reply = readReply(stream, timeoutValue, &count);
    if (reply.size() < 2 || uchar(reply[1]) != 0x5A) {
        stream.close();
        return {Outcome::Refused, 0};
    }
    return {Outcome::Open, 0};
}

} // namespace verbalink
