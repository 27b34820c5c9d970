#include "LoopbackExchange.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

QByteArray exchangeOnLoopback(quint16 port, const QByteArray& request, bool halfClose)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) >= 0) {
        if (halfClose)
            ::shutdown(fd, SHUT_WR);
        char chunk[8192];
        ssize_t n = 0;
        while ((n = ::recv(fd, chunk, sizeof chunk, 0)) > 0)
            answer.append(chunk, n);
    }
    ::close(fd);
    return answer;
}

} // namespace verbalink::gateway
