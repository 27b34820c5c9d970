#include "gateway/GatewayServer.h"

#include "gateway/AnswerFormats.h"
#include "gateway/GatewayLog.h"
#include "gateway/RequestPool.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

namespace {

using Read = ClientConnection::Read;
using State = ClientConnection::State;

constexpr quint64 ListenerId = 0;
constexpr quint64 WakeId = 1;
constexpr int EventsPerWait = 64;
constexpr int AcceptsPerWake = 64;
// Descriptors left for the pipelines, their pipes and the log.
constexpr qsizetype ReservedDescriptors = 256;

qsizetype descriptorsForConnections()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::numeric_limits<qsizetype>::max();
    return std::max<qsizetype>(qsizetype(limit.rlim_cur) - ReservedDescriptors, 16);
}

bool watch(int epoll, int operation, int socket, quint32 events, quint64 id)
{
    epoll_event event{};
    event.events = events;
    event.data.u64 = id;
    return ::epoll_ctl(epoll, operation, socket, &event) == 0;
}

void closeIfOpen(int& descriptor)
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}

} // namespace

GatewayServer::GatewayServer(RequestHandler& handler, GatewayLog& log, ServerLimits limits)
    : m_handler(handler), m_log(log), m_limits(limits)
{}

GatewayServer::~GatewayServer()
{
    stop();
}

bool GatewayServer::listen(quint16 port, QString* error)
{
    if (!openSockets(port, error)) {
        for (int* descriptor : {&m_listener, &m_epoll, &m_wake, &m_spare})
            closeIfOpen(*descriptor);
        return false;
    }
    m_maxConnections = std::min(m_limits.connections, descriptorsForConnections());
    m_pool = std::make_unique<RequestPool>(m_handler, m_log, Workers, [this] { wake(); });
    m_loop = std::thread([this] { run(); });
    return true;
}

bool GatewayServer::openSockets(quint16 port, QString* error)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int on = 1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, SOMAXCONN) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int cause = errno;
        *error = QStringLiteral("cannot listen on 127.0.0.1:%1: %2")
                     .arg(port)
                     .arg(QString::fromLocal8Bit(std::strerror(cause)));
        return false;
    }
    m_port = ntohs(address.sin_port);
    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (m_epoll < 0 || m_wake < 0 || m_spare < 0 ||
        !watch(m_epoll, EPOLL_CTL_ADD, m_listener, EPOLLIN, ListenerId) ||
        !watch(m_epoll, EPOLL_CTL_ADD, m_wake, EPOLLIN, WakeId)) {
        *error = QStringLiteral("cannot serve: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

void GatewayServer::stop()
{
    m_stopping = true;
    if (m_loop.joinable()) {
        wake();
        m_loop.join();
    }
    // Answers that come now find their connections gone.
    if (m_pool)
        m_pool->stop();
    for (const quint64 id : m_connections.ids())
        close(id);
    for (int* descriptor : {&m_listener, &m_epoll, &m_wake, &m_spare})
        closeIfOpen(*descriptor);
}

void GatewayServer::run()
{
    epoll_event events[EventsPerWait];
    while (!m_stopping) {
        const int ready = ::epoll_wait(m_epoll, events, EventsPerWait, waitMs());
        if (ready < 0 && errno != EINTR) {
            m_log.write(QStringLiteral("stopped serving: ") +
                        QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        for (int i = 0; i < ready && !m_stopping; ++i)
            onEvent(events[i].data.u64, events[i].events);
        expire();
    }
}

void GatewayServer::onEvent(quint64 id, quint32 events)
{
    if (id == ListenerId) {
        acceptConnections();
        return;
    }
    if (id == WakeId) {
        quint64 count = 0;
        [[maybe_unused]] const ssize_t n = ::read(m_wake, &count, sizeof count);
        takeAnswers();
        return;
    }
    ClientConnection* connection = m_connections.find(id);
    if (!connection)
        return;
    const State before = connection->state();
    switch (before) {
    case State::Reading:
        onReadable(id, *connection);
        return;
    case State::Answering:
        // Nothing is asked for while the answer is made: this is the client failing.
        if (events & (EPOLLERR | EPOLLHUP))
            close(id);
        return;
    case State::Writing:
        if (!connection->writeMore())
            close(id);
        else
            changed(id, *connection, before);
        return;
    case State::Closing:
        if (!connection->drain())
            close(id);
        return;
    }
}

void GatewayServer::onReadable(quint64 id, ClientConnection& connection)
{
    ParsedRequest parsed;
    const Read read = connection.read(parsed);
    settle(id, connection, read, parsed, false);
}

void GatewayServer::settle(quint64 id, ClientConnection& connection, Read read,
                           ParsedRequest& parsed, bool timedOut)
{
    switch (read) {
    case Read::More:
        m_connections.update(id);
        keepWithinLimits();
        return;
    case Read::Whole:
        m_pool->submit({id, std::move(parsed.request), connection.peer(), connection.accepted()});
        connection.awaitAnswer();
        changed(id, connection, State::Reading);
        return;
    case Read::Refused:
        m_log.write(QStringLiteral("%1 -> %2 %3")
                        .arg(connection.peer(), QString::number(parsed.status),
                             QString::fromUtf8(parsed.error)));
        reply(id, connection, AnswerFormats::plainError(parsed.status, parsed.error).toBytes());
        return;
    case Read::Ended:
        break;
    }
    if (connection.received()) {
        m_log.write(connection.peer() + QStringLiteral(" -> 408 incomplete request"));
        reply(id, connection,
              AnswerFormats::plainError(408, "the request did not arrive whole").toBytes());
        return;
    }
    m_log.write(connection.peer() + (timedOut ? QStringLiteral(" sent no request in time")
                                              : QStringLiteral(" closed without a request")));
    close(id);
}

void GatewayServer::reply(quint64 id, ClientConnection& connection, QByteArray bytes)
{
    const State before = connection.state();
    if (connection.answer(std::move(bytes)))
        changed(id, connection, before);
    else
        close(id);
}

void GatewayServer::takeAnswers()
{
    for (RequestPool::Answer& answer : m_pool->takeAnswers()) {
        if (ClientConnection* connection = m_connections.find(answer.connection))
            reply(answer.connection, *connection, std::move(answer.bytes));
    }
}

void GatewayServer::expire()
{
    for (const quint64 id : m_connections.expired(ClientConnection::Clock::now())) {
        ClientConnection* connection = m_connections.find(id);
        if (!connection)
            continue;
        if (connection->state() != State::Reading) {
            // An answer the client does not take, or the end of the wait for it to close.
            close(id);
            continue;
        }
        ParsedRequest parsed;
        const Read read = connection->lastLook(parsed);
        settle(id, *connection, read, parsed, true);
    }
}

void GatewayServer::acceptConnections()
{
    for (int i = 0; i < AcceptsPerWake && acceptOne(); ++i) {
    }
}

bool GatewayServer::acceptOne()
{
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int socket = ::accept4(m_listener, reinterpret_cast<sockaddr*>(&peer), &length,
                                 SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (socket < 0) {
        if (errno != EMFILE && errno != ENFILE)
            return errno == EINTR || errno == ECONNABORTED;
        return letOldestWaitingGo() || refuseOne();
    }
    if (m_connections.size() >= m_maxConnections && !letOldestWaitingGo()) {
        const QByteArray busy = AnswerFormats::plainError(503, "too many connections").toBytes();
        ::send(socket, busy.constData(), size_t(busy.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(socket);
        m_log.write(QStringLiteral("refused a connection: %1 are being answered")
                        .arg(m_connections.size()));
        return true;
    }
    const quint64 id =
        m_connections.add(std::make_unique<ClientConnection>(socket, peer, m_limits.request));
    if (!watch(m_epoll, EPOLL_CTL_ADD, socket, EPOLLIN, id))
        m_connections.remove(id);
    return true;
}

bool GatewayServer::refuseOne()
{
    // Every descriptor is taken and none by a client still sending: give one back for a moment
    // to tell the next client so, rather than leave it waiting in the backlog.
    closeIfOpen(m_spare);
    const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (socket >= 0) {
        const QByteArray busy = AnswerFormats::plainError(503, "too many connections").toBytes();
        ::send(socket, busy.constData(), size_t(busy.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(socket);
        m_log.write(QStringLiteral("refused a connection: no descriptors left"));
    }
    m_spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    return socket >= 0;
}

void GatewayServer::keepWithinLimits()
{
    while (m_connections.bufferedBytes() > m_limits.bufferedBytes && letOldestWaitingGo()) {
    }
}

bool GatewayServer::letOldestWaitingGo()
{
    const quint64 id = m_connections.oldestWaiting();
    if (id == 0)
        return false;
    m_log.write(QStringLiteral("%1 let go: it waited longest for its request (%2 open, %3 bytes "
                               "held)")
                    .arg(m_connections.find(id)->peer(), QString::number(m_connections.size()),
                         QString::number(m_connections.bufferedBytes())));
    close(id);
    return true;
}

void GatewayServer::changed(quint64 id, ClientConnection& connection, State before)
{
    m_connections.update(id);
    if (connection.state() != before &&
        !watch(m_epoll, EPOLL_CTL_MOD, connection.socket(), connection.events(), id))
        close(id);
}

void GatewayServer::close(quint64 id)
{
    if (ClientConnection* connection = m_connections.find(id)) {
        // Removed before it is closed: a child being started may briefly hold a copy.
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, connection->socket(), nullptr);
        m_connections.remove(id);
    }
}

int GatewayServer::waitMs() const
{
    const std::optional<ClientConnection::Clock::time_point> next = m_connections.nextDeadline();
    if (!next)
        return -1;
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*next - ClientConnection::Clock::now());
    return int(std::clamp<qint64>(left.count(), 0, 60000));
}

void GatewayServer::wake()
{
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
}

} // namespace verbalink::gateway
