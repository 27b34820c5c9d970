#pragma once

#include <QString>
#include <QtGlobal>
#include <sys/types.h>

namespace verbalink::test {

// A loopback TCP client in a child process of another user (nobody), for the servers that must
// serve only their own user. Only root can change to another user, so elsewhere it cannot run.
class OtherUserClient {
public:
    enum class Event { None, Connected, ClosedByServer };

    OtherUserClient();
    ~OtherUserClient();
    OtherUserClient(const OtherUserClient&) = delete;
    OtherUserClient& operator=(const OtherUserClient&) = delete;

    // Why it cannot run here; empty when it can.
    static QString unavailableReason();
    // Forks the child, which drops to nobody, connects to 127.0.0.1:port and sends a few bytes;
    // true once it is connected.
    bool connectTo(quint16 port);
    // The next thing the child saw (the server closing the connection), or None within the
    // wait.
    Event next(int waitMs = 5000);
    uid_t uid() const { return m_uid; }

private:
    [[noreturn]] void runChild(quint16 port);

    uid_t m_uid;
    gid_t m_gid;
    pid_t m_child = -1;
    int m_events = -1;  // the child's reports, one byte each
    int m_release = -1; // closing it ends the child
};

} // namespace verbalink::test
