#include "gateway/ClientConnection.h"

#include <arpa/inet.h>
#include <cerrno>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

namespace {

constexpr size_t ChunkBytes = 16384;

bool wouldBlock()
{
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

} // namespace

ClientConnection::ClientConnection(int socket, const sockaddr_in& peer, RequestLimits limits)
    : m_socket(socket), m_peer(peer), m_accepted(Clock::now()), m_request(limits)
{
    enter(State::Reading, RequestWaitMs);
}

ClientConnection::~ClientConnection()
{
    ::close(m_socket);
}

quint32 ClientConnection::events() const
{
    switch (m_state) {
    case State::Reading:
    case State::Closing:
        return EPOLLIN;
    case State::Writing:
        return EPOLLOUT;
    case State::Answering:
        break;
    }
    return 0;
}

QString ClientConnection::peer() const
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &m_peer.sin_addr, text, sizeof text);
    return QString::fromLatin1(text) + u':' + QString::number(ntohs(m_peer.sin_port));
}

ClientConnection::Read ClientConnection::read(ParsedRequest& parsed)
{
    // One read per call, so that one busy client does not hold up the others.
    char chunk[ChunkBytes];
    const ssize_t n = ::recv(m_socket, chunk, sizeof chunk, 0);
    if (n < 0 && wouldBlock())
        return Read::More;
    if (n <= 0)
        return lastLook(parsed);
    parsed = m_request.append(QByteArrayView(chunk, n));
    return readOf(parsed, Read::More);
}

ClientConnection::Read ClientConnection::lastLook(ParsedRequest& parsed)
{
    parsed = m_request.parse();
    return readOf(parsed, Read::Ended);
}

ClientConnection::Read ClientConnection::readOf(const ParsedRequest& parsed, Read unfinished)
{
    switch (parsed.state) {
    case ParsedRequest::State::Complete:
        return Read::Whole;
    case ParsedRequest::State::Invalid:
        return Read::Refused;
    case ParsedRequest::State::Incomplete:
        break;
    }
    return unfinished;
}

void ClientConnection::awaitAnswer()
{
    m_state = State::Answering;
    m_deadline = Clock::time_point::max();
}

bool ClientConnection::answer(QByteArray bytes)
{
    m_answer = std::move(bytes);
    m_written = 0;
    enter(State::Writing, AnswerWaitMs);
    return writeMore();
}

bool ClientConnection::writeMore()
{
    while (m_written < m_answer.size()) {
        const ssize_t n = ::send(m_socket, m_answer.constData() + m_written,
                                 size_t(m_answer.size() - m_written), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && wouldBlock())
            return true;
        if (n <= 0)
            return false;
        m_written += n;
    }
    m_answer.clear();
    // Closing with unread bytes would reset the connection and could discard the answer, so
    // wait for the client to close first; the engines do once they have it all.
    ::shutdown(m_socket, SHUT_WR);
    enter(State::Closing, CloseWaitMs);
    return true;
}

bool ClientConnection::drain()
{
    char chunk[ChunkBytes];
    const ssize_t n = ::recv(m_socket, chunk, sizeof chunk, 0);
    return n > 0 || (n < 0 && wouldBlock());
}

void ClientConnection::enter(State state, int waitMs)
{
    m_state = state;
    m_deadline = Clock::now() + std::chrono::milliseconds(waitMs);
}

} // namespace verbalink::gateway
