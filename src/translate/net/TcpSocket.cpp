#include "translate/net/TcpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink {

TcpSocket::~TcpSocket()
{
    close();
}

bool TcpSocket::connectTo(quint32 address, quint16 port)
{
    close();
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (m_fd < 0)
        return false;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(address);
    int result = 0;
    do {
        result = ::connect(m_fd, reinterpret_cast<const sockaddr*>(&target), sizeof target);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        close();
        return false;
    }
    return true;
}

bool TcpSocket::send(QByteArrayView bytes)
{
    if (!isOpen())
        return false;
    // A short send would leave a truncated request on the wire: keep going until all is out.
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(m_fd, bytes.data() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            close();
            return false;
        }
        sent += n;
    }
    return true;
}

int TcpSocket::waitReadable(int waitMs)
{
    if (!isOpen())
        return -1;
    pollfd entry{m_fd, POLLIN, 0};
    int result = 0;
    do {
        result = ::poll(&entry, 1, waitMs);
    } while (result < 0 && errno == EINTR);
    if (result < 0)
        return -1;
    return result > 0 && (entry.revents & (POLLIN | POLLHUP | POLLERR)) ? 1 : 0;
}

qsizetype TcpSocket::read(char* buffer, qsizetype size)
{
    if (!isOpen())
        return -1;
    ssize_t n = 0;
    do {
        n = ::recv(m_fd, buffer, size_t(size), 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

void TcpSocket::close()
{
    if (m_fd < 0)
        return;
    ::shutdown(m_fd, SHUT_RDWR);
    ::close(m_fd);
    m_fd = -1;
}

} // namespace verbalink
