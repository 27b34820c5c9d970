#include "gateway/GatewayServer.h"

#include "gateway/AnswerFormats.h"
#include "gateway/ClientConnection.h"
#include "gateway/GatewayLog.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

namespace {

constexpr int AcceptWakeMs = 100;

} // namespace

GatewayServer::GatewayServer(RequestHandler& handler, GatewayLog& log)
    : m_handler(handler), m_log(log)
{}

GatewayServer::~GatewayServer()
{
    stop();
}

bool GatewayServer::listen(quint16 port, QString* error)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, 128) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int cause = errno;
        *error = QStringLiteral("cannot listen on 127.0.0.1:%1: %2")
                     .arg(port)
                     .arg(QString::fromLocal8Bit(std::strerror(cause)));
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return false;
    }
    m_port = ntohs(address.sin_port);
    for (int i = 0; i < Workers; ++i)
        m_workers.emplace_back([this] { serveQueued(); });
    m_acceptor = std::thread([this] { acceptConnections(); });
    return true;
}

void GatewayServer::stop()
{
    {
        std::lock_guard lock(m_queueMutex);
        m_stopping = true;
    }
    m_queued.notify_all();
    if (m_acceptor.joinable())
        m_acceptor.join();
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
    for (const int socket : m_sockets)
        ::close(socket);
    m_sockets.clear();
    if (m_listener >= 0)
        ::close(m_listener);
    m_listener = -1;
}

void GatewayServer::acceptConnections()
{
    while (!m_stopping) {
        pollfd entry{m_listener, POLLIN, 0};
        if (::poll(&entry, 1, AcceptWakeMs) <= 0)
            continue;
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket >= 0)
            queue(socket);
    }
}

void GatewayServer::queue(int socket)
{
    {
        std::lock_guard lock(m_queueMutex);
        if (m_sockets.size() < MaxQueued) {
            m_sockets.push_back(socket);
            m_queued.notify_one();
            return;
        }
    }
    const QByteArray busy = AnswerFormats::plainError(503, "too many connections").toBytes();
    ::send(socket, busy.constData(), size_t(busy.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    ::close(socket);
    m_log.write(QStringLiteral("refused a connection: %1 are waiting").arg(MaxQueued));
}

void GatewayServer::serveQueued()
{
    for (int socket = nextQueued(); socket >= 0; socket = nextQueued())
        ClientConnection(socket, m_handler, m_log, m_stopping).serve();
}

int GatewayServer::nextQueued()
{
    std::unique_lock lock(m_queueMutex);
    m_queued.wait(lock, [this] { return m_stopping || !m_sockets.empty(); });
    if (m_stopping)
        return -1;
    const int socket = m_sockets.front();
    m_sockets.pop_front();
    return socket;
}

} // namespace verbalink::gateway
