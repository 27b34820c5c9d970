#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

namespace verbalink::gateway {

// Connections to 127.0.0.1:port that send the start of a request, or nothing, and then wait:
// clients too slow to finish. All are closed when the object goes.
class SlowClients {
public:
    SlowClients(quint16 port, int count, const QByteArray& start = {});
    ~SlowClients();
    SlowClients(const SlowClients&) = delete;
    SlowClients& operator=(const SlowClients&) = delete;

    int connected() const { return int(m_sockets.size()); }
    // Waits until the server has closed client `i`; false if it is still open after `waitMs`.
    bool closedByServer(int i, int waitMs) const;
    // Whether client `i` is open with nothing from the server, at this moment.
    bool waiting(int i) const;
    // Sends the rest of client `i`'s request and returns the whole answer.
    QByteArray finish(int i, const QByteArray& rest) const;

    // Raises this process's soft limit of open files to at least `count`, within the hard one.
    static bool allowOpenFiles(quint64 count);

private:
    std::vector<int> m_sockets;
};

} // namespace verbalink::gateway
