#include "audio/CallAudioServer.h"

#include "platform/PeerOwner.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink {

namespace {

void closeConnection(int fd)
{
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
}

} // namespace

CallAudioServer::CallAudioServer(Role role, quint16 basePort)
    : m_role(role), m_basePort(basePort), m_port(basePort)
{}

CallAudioServer::~CallAudioServer()
{
    stop();
}

bool CallAudioServer::start()
{
    if (m_thread.joinable() || !bindFirstFreePort())
        return false;
    if (::listen(m_listenFd, Backlog) != 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    m_stopping = false;
    m_listening = true;
    m_chunk.resize(ReceiveChunk);
    m_thread = std::thread([this] { run(); });
    return true;
}

bool CallAudioServer::bindFirstFreePort()
{
    const int attempts = m_basePort == 0 ? 1 : PortAttempts;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const quint16 port = quint16(m_basePort + attempt);
        m_port = port;
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return false;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            socklen_t length = sizeof address;
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
            m_port = ntohs(address.sin_port);
            m_listenFd = fd;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void CallAudioServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    wake();
    m_thread.join();
    std::lock_guard guard(m_tableLock);
    for (const Entry& entry : m_table) {
        entry.connection->markClosed();
        closeConnection(entry.fd);
    }
    m_table.clear();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
    m_listenFd = -1;
    m_listening = false;
    ::close(m_wakeFd);
    m_wakeFd = -1;
}

std::vector<std::shared_ptr<CallAudioConnection>> CallAudioServer::connections() const
{
    std::vector<std::shared_ptr<CallAudioConnection>> live;
    connections(live);
    return live;
}

void CallAudioServer::connections(std::vector<std::shared_ptr<CallAudioConnection>>& live) const
{
    live.clear();
    std::lock_guard guard(m_tableLock);
    for (const Entry& entry : m_table)
        live.push_back(entry.connection);
}

void CallAudioServer::wake()
{
    const eventfd_t one = 1;
    ::eventfd_write(m_wakeFd, one);
}

void CallAudioServer::run()
{
    std::vector<pollfd> watched;
    std::vector<Entry> entries;
    while (!m_stopping) {
        {
            std::lock_guard guard(m_tableLock);
            entries = m_table;
        }
        watched.clear();
        watched.push_back({m_wakeFd, POLLIN, 0});
        watched.push_back({m_listening ? m_listenFd : -1, POLLIN, 0});
        for (const Entry& entry : entries) {
            // Sockets are nearly always writable: ask for that only while bytes wait.
            const bool pending = m_role == Role::Input && entry.connection->held() > 0;
            watched.push_back({entry.fd, short(POLLIN | (pending ? POLLOUT : 0)), 0});
        }
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (watched[0].revents) {
            eventfd_t count = 0;
            ::eventfd_read(m_wakeFd, &count);
        }
        for (size_t i = 0; i < entries.size(); ++i) {
            if (watched[i + 2].revents && !serve(entries[i], watched[i + 2].revents))
                remove(entries[i].fd);
        }
        if (watched[1].revents)
            acceptPending();
    }
}

void CallAudioServer::acceptPending()
{
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED)
                return;
            // Out of descriptors or worse: a pending connection would wake poll for ever, so
            // stop accepting and keep serving the connections there are.
            m_listening = false;
            return;
        }
        if (!servesPeer(fd)) {
            closeConnection(fd);
            continue;
        }
        std::lock_guard guard(m_tableLock);
        if (int(m_table.size()) >= MaxConnections) {
            closeConnection(fd);
            continue;
        }
        std::function<void()> onQueued;
        if (m_role == Role::Input) {
            // The voice changer sends small blocks as it makes them; none may wait for an ACK.
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            onQueued = [this] {
                wake();
            };
        }
        m_table.push_back({fd, std::make_shared<CallAudioConnection>(std::move(onQueued))});
    }
}

bool CallAudioServer::servesPeer(int fd) const
{
    // Loopback is open to every user of the machine; the peer's socket says whose process it is.
    const std::optional<uid_t> owner = peerowner::ofPeer(fd);
    if (owner && *owner == ::geteuid())
        return true;
    if (m_log) {
        const std::optional<peerowner::TcpEnds> ends = peerowner::endsOf(fd);
        m_log(QStringLiteral("Call audio connection refused: port ") +
              QString::number(ends ? ends->peerPort : 0) + QStringLiteral(" belongs to ") +
              (owner ? QStringLiteral("user ") + QString::number(*owner)
                     : QStringLiteral("no known user")));
    }
    return false;
}

bool CallAudioServer::serve(const Entry& entry, short events)
{
    if (events & POLLIN) {
        if (!receive(entry))
            return false;
    } else if (events & (POLLHUP | POLLERR | POLLNVAL)) {
        return false;
    }
    return !(events & POLLOUT) || sendQueued(entry);
}

bool CallAudioServer::receive(const Entry& entry)
{
    const ssize_t n = ::recv(entry.fd, m_chunk.data(), size_t(m_chunk.size()), 0);
    if (n < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    if (n == 0)
        return false;
    // Nothing is expected from the peer of an input connection; what it sends is discarded.
    // Every arrival wakes the engine: the buffer need not be empty for new audio to matter, as
    // the recorder may leave bytes behind for the voice changer.
    if (m_role == Role::Capture &&
        entry.connection->append(QByteArrayView(m_chunk.constData(), n)) > 0 && m_activity)
        m_activity();
    return true;
}

bool CallAudioServer::sendQueued(const Entry& entry)
{
    const qsizetype result = entry.connection->drainInto([&](const char* data, qsizetype size) {
        const ssize_t n = ::send(entry.fd, data, size_t(size), MSG_NOSIGNAL);
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? qsizetype(0)
                                                                                    : qsizetype(n);
    });
    return result >= 0;
}

void CallAudioServer::remove(int fd)
{
    // Erasing in place keeps the later connections in their order (the recorder tells the
    // microphone copy from the call output by it); only this thread changes the table, and the
    // audio engine only sees copies taken under the same lock.
    std::lock_guard guard(m_tableLock);
    const auto found =
        std::find_if(m_table.begin(), m_table.end(), [fd](const Entry& e) { return e.fd == fd; });
    if (found == m_table.end())
        return;
    found->connection->markClosed();
    closeConnection(fd);
    m_table.erase(found);
    if (m_activity)
        m_activity();
}

} // namespace verbalink
