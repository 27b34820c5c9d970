#include "OtherUserClient.h"

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verbalink::test {

namespace {

constexpr char Connected = 'c', ConnectFailed = 'f', Closed = 'x';

void report(int fd, char event)
{
    [[maybe_unused]] const ssize_t written = ::write(fd, &event, 1);
}

} // namespace

OtherUserClient::OtherUserClient() : m_uid(65534), m_gid(65534)
{
    // Looked up here: the child of a threaded process may only make plain system calls.
    if (const passwd* nobody = ::getpwnam("nobody")) {
        m_uid = nobody->pw_uid;
        m_gid = nobody->pw_gid;
    }
}

OtherUserClient::~OtherUserClient()
{
    if (m_release >= 0)
        ::close(m_release);
    if (m_child > 0)
        ::waitpid(m_child, nullptr, 0);
    if (m_events >= 0)
        ::close(m_events);
}

QString OtherUserClient::unavailableReason()
{
    if (::geteuid() != 0)
        return QStringLiteral("only root can run a client as another user");
    return {};
}

bool OtherUserClient::connectTo(quint16 port)
{
    int events[2], release[2];
    if (m_child > 0 || ::pipe(events) != 0)
        return false;
    if (::pipe(release) != 0) {
        ::close(events[0]);
        ::close(events[1]);
        return false;
    }
    m_child = ::fork();
    if (m_child == 0) {
        ::close(events[0]);
        ::close(release[1]);
        m_events = events[1];
        m_release = release[0];
        runChild(port);
    }
    ::close(events[1]);
    ::close(release[0]);
    m_events = events[0];
    m_release = release[1];
    return m_child > 0 && next() == Event::Connected;
}

OtherUserClient::Event OtherUserClient::next(int waitMs)
{
    pollfd watched{m_events, POLLIN, 0};
    char event = 0;
    if (m_events < 0 || ::poll(&watched, 1, waitMs) != 1 || ::read(m_events, &event, 1) != 1)
        return Event::None;
    return event == Connected ? Event::Connected
           : event == Closed  ? Event::ClosedByServer
                              : Event::None;
}

void OtherUserClient::runChild(quint16 port)
{
    if (::setgroups(0, nullptr) != 0 || ::setgid(m_gid) != 0 || ::setuid(m_uid) != 0) {
        report(m_events, ConnectFailed);
        ::_exit(1);
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        report(m_events, ConnectFailed);
        ::_exit(1);
    }
    report(m_events, Connected);
    ::send(fd, "\1\2\3\4", 4, MSG_NOSIGNAL);
    bool open = true;
    for (;;) {
        pollfd watched[] = {{m_release, POLLIN, 0}, {open ? fd : -1, POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0)
            continue;
        if (watched[0].revents)
            ::_exit(0);
        char bytes[4096];
        if (watched[1].revents && ::recv(fd, bytes, sizeof bytes, 0) <= 0) {
            open = false;
            report(m_events, Closed);
        }
    }
}

} // namespace verbalink::test
