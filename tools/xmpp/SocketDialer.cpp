#include "SocketDialer.h"

#include "SrvLookup.h"

#include <QRandomGenerator>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

SocketDialer::Result SocketDialer::dial(const QString& host, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray name = host.toUtf8();
    const QByteArray service = QByteArray::number(port);
    if (const int failed = ::getaddrinfo(name.constData(), service.constData(), &hints, &found)) {
        return {-1, host + u": "_s + QString::fromLocal8Bit(::gai_strerror(failed))};
    }
    Result result{-1, host + u": no address"_s};
    for (addrinfo* address = found; address; address = address->ai_next) {
        const int fd =
            ::socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol);
        if (fd < 0)
            continue;
        if (::connect(fd, address->ai_addr, address->ai_addrlen) == 0) {
            result = {fd, {}};
            break;
        }
        result.error =
            u"%1:%2: %3"_s.arg(host).arg(port).arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return result;
}

SocketDialer::Result SocketDialer::dialDomain(const QString& domain)
{
    const QList<SrvTargets::Endpoint> targets =
        SrvTargets::choose(SrvLookup::lookup(domain), domain, [](quint32 bound) {
            return quint32(QRandomGenerator::global()->bounded(quint64(bound) + 1));
        });
    if (targets.isEmpty())
        return {-1, domain + u": no XMPP service (its DNS SRV record says so)"_s};
    QStringList failed;
    for (const SrvTargets::Endpoint& target : targets) {
        const Result result = dial(target.host, target.port);
        if (result.socket >= 0)
            return {result.socket, failed.join(u"; "_s)};
        failed.append(result.error);
    }
    return {-1, failed.join(u"; "_s)};
}

} // namespace verbalink::xmpp
