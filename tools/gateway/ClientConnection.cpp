#include "gateway/ClientConnection.h"

#include "gateway/AnswerFormats.h"
#include "gateway/GatewayLog.h"
#include "gateway/RequestHandler.h"
#include "gateway/SocketWrite.h"

#include <QElapsedTimer>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::gateway {

namespace {

constexpr int WakeMs = 100;
constexpr int CloseWaitMs = 2000;
constexpr int AnswerWaitMs = 5000;

// Waits up to `waitMs` for bytes; false once the peer has closed or failed.
bool readSome(int socket, QByteArray& into, int waitMs)
{
    pollfd entry{socket, POLLIN, 0};
    const int ready = ::poll(&entry, 1, waitMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return true;
    if (ready < 0)
        return false;
    char chunk[16384];
    const ssize_t n = ::recv(socket, chunk, sizeof chunk, 0);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0)
        return false;
    into.append(chunk, n);
    return true;
}

} // namespace

ClientConnection::ClientConnection(int socket, RequestHandler& handler, GatewayLog& log,
                                   const std::atomic<bool>& stopping)
    : m_socket(socket), m_handler(handler), m_log(log), m_stopping(stopping)
{}

ClientConnection::~ClientConnection()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

void ClientConnection::serve()
{
    QElapsedTimer elapsed;
    elapsed.start();
    bool received = false;
    const ParsedRequest parsed = receive(&received);
    if (parsed.state == ParsedRequest::State::Complete) {
        const RequestHandler::Handled handled = m_handler.handle(parsed.request);
        send(handled.response.toBytes());
        // One pass over all the parts: text from the request must not be taken for a marker.
        m_log.write(QStringLiteral("%1 %2 %3 -> %4 %5 (%6 ms)")
                        .arg(peer(), QString::fromLatin1(parsed.request.method),
                             QString::fromLatin1(parsed.request.path.left(80)),
                             QString::number(handled.response.status), handled.summary,
                             QString::number(elapsed.elapsed())));
    } else if (parsed.state == ParsedRequest::State::Invalid) {
        send(AnswerFormats::plainError(parsed.status, parsed.error).toBytes());
        m_log.write(
            QStringLiteral("%1 -> %2 %3")
                .arg(peer(), QString::number(parsed.status), QString::fromUtf8(parsed.error)));
    } else if (received) {
        send(AnswerFormats::plainError(408, "the request did not arrive whole").toBytes());
        m_log.write(peer() + QStringLiteral(" -> 408 incomplete request"));
    } else {
        m_log.write(peer() + QStringLiteral(" closed without a request"));
    }
    close();
}

ParsedRequest ClientConnection::receive(bool* received)
{
    QByteArray bytes;
    QElapsedTimer elapsed;
    elapsed.start();
    ParsedRequest parsed;
    bool open = true;
    while (open && !m_stopping && elapsed.elapsed() < RequestWaitMs) {
        const qsizetype before = bytes.size();
        open = readSome(m_socket, bytes, WakeMs);
        if (bytes.size() == before)
            continue;
        parsed = parseHttpRequest(bytes);
        if (parsed.state != ParsedRequest::State::Incomplete)
            break;
    }
    *received = !bytes.isEmpty();
    return parsed;
}

void ClientConnection::send(QByteArrayView bytes)
{
    // A client that does not read its answer is given up on.
    writeAll(m_socket, bytes,
             std::chrono::steady_clock::now() + std::chrono::milliseconds(AnswerWaitMs));
}

void ClientConnection::close()
{
    // Closing with unread bytes would reset the connection and could discard the answer, so
    // wait for the client to close first; the engines do once they have it all.
    ::shutdown(m_socket, SHUT_WR);
    QByteArray ignored;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < CloseWaitMs && readSome(m_socket, ignored, WakeMs))
        ignored.clear();
    ::close(m_socket);
    m_socket = -1;
}

QString ClientConnection::peer() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return QStringLiteral("?");
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return QString::fromLatin1(text) + u':' + QString::number(ntohs(address.sin_port));
}

} // namespace verbalink::gateway
