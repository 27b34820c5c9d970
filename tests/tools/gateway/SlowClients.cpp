#include "SlowClients.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

SlowClients::SlowClients(quint16 port, int count, const QByteArray& start)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            (!start.isEmpty() &&
             ::send(fd, start.constData(), size_t(start.size()), MSG_NOSIGNAL) != start.size())) {
            ::close(fd);
            return;
        }
        m_sockets.push_back(fd);
    }
}

SlowClients::~SlowClients()
{
    for (const int fd : m_sockets)
        ::close(fd);
}

bool SlowClients::closedByServer(int i, int waitMs) const
{
    pollfd entry{m_sockets[size_t(i)], POLLIN, 0};
    if (::poll(&entry, 1, waitMs) != 1)
        return false;
    char byte = 0;
    const ssize_t n = ::recv(entry.fd, &byte, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno == ECONNRESET);
}

bool SlowClients::waiting(int i) const
{
    char byte = 0;
    return ::recv(m_sockets[size_t(i)], &byte, 1, MSG_DONTWAIT) < 0 && errno == EAGAIN;
}

QByteArray SlowClients::finish(int i, const QByteArray& rest) const
{
    const int fd = m_sockets[size_t(i)];
    QByteArray answer;
    if (::send(fd, rest.constData(), size_t(rest.size()), MSG_NOSIGNAL) != rest.size())
        return answer;
    char chunk[8192];
    ssize_t n = 0;
    while ((n = ::recv(fd, chunk, sizeof chunk, 0)) > 0)
        answer.append(chunk, n);
    return answer;
}

bool SlowClients::allowOpenFiles(quint64 count)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return false;
    if (limit.rlim_cur >= count)
        return true;
    if (limit.rlim_max < count)
        return false;
    limit.rlim_cur = count;
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

} // namespace verbalink::gateway
