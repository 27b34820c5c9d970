#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::test {

namespace {

int listenOnLoopback(quint16* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return -1;
    }
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    *port = ntohs(address.sin_port);
    return fd;
}

bool readable(int fd, int waitMs)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, waitMs) > 0;
}

} // namespace

ScriptedServer::ScriptedServer(QList<Step> script) : m_script(std::move(script))
{
    m_listenFd = listenOnLoopback(&m_port);
    if (m_listenFd >= 0)
        m_thread = std::thread([this] { serve(); });
}

ScriptedServer::~ScriptedServer()
{
    m_stop = true;
    m_released = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

QByteArray ScriptedServer::hostPort() const
{
    return "127.0.0.1:" + QByteArray::number(m_port);
}

QList<QByteArray> ScriptedServer::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

int ScriptedServer::connectionCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_received.size());
}

void ScriptedServer::serve()
{
    while (!m_stop) {
        if (!readable(m_listenFd, 20))
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        qsizetype index = 0;
        {
            std::lock_guard lock(m_mutex);
            index = m_received.size();
            m_received.append(QByteArray());
        }
        play(fd, index);
    }
}

bool ScriptedServer::readSome(int fd, qsizetype index, int waitMs)
{
    if (!readable(fd, waitMs))
        return true;
    char chunk[4096];
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0)
        return false;
    std::lock_guard lock(m_mutex);
    m_received[index].append(chunk, n);
    return true;
}

void ScriptedServer::play(int fd, qsizetype index)
{
    auto receivedSize = [&] {
        std::lock_guard lock(m_mutex);
        return m_received[index].size();
    };
    auto receivedHasHead = [&] {
        std::lock_guard lock(m_mutex);
        return m_received[index].contains("\r\n\r\n");
    };
    bool open = true;
    qsizetype expected = 0;
    for (const Step& step : m_script) {
        if (!open || m_stop)
            break;
        switch (step.kind) {
        case Step::ReadRequest:
            while (open && !m_stop && !receivedHasHead())
                open = readSome(fd, index, 20);
            expected = receivedSize();
            break;
        case Step::ReadBytes:
            expected += step.value;
            while (open && !m_stop && receivedSize() < expected)
                open = readSome(fd, index, 20);
            break;
        case Step::Write:
            ::send(fd, step.bytes.constData(), size_t(step.bytes.size()), MSG_NOSIGNAL);
            break;
        case Step::Pause:
            std::this_thread::sleep_for(std::chrono::milliseconds(step.value));
            break;
        case Step::Close:
            open = false;
            break;
        case Step::Reset: {
            const linger abort{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            open = false;
            break;
        }
        case Step::Hold:
            while (open && !m_stop)
                open = readSome(fd, index, 20);
            break;
        case Step::WaitRelease:
            m_waiting = true;
            while (!m_released)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            break;
        }
    }
    ::close(fd);
}

quint16 freeLoopbackPort()
{
    quint16 port = 0;
    const int fd = listenOnLoopback(&port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

} // namespace verbalink::test
