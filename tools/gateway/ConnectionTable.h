#pragma once

#include "gateway/ClientConnection.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace verbalink::gateway {

// The server's open connections by number, in the order they came, with when each has waited
// long enough and how many request bytes those still sending hold.
class ConnectionTable {
public:
    using Clock = ClientConnection::Clock;

    // Numbers below this are the server's own (its listener, its wake-up).
    static constexpr quint64 FirstId = 16;

    quint64 add(std::unique_ptr<ClientConnection> connection);
    // Nothing for a connection that has gone.
    ClientConnection* find(quint64 id) const;
    // Takes the connection's deadline and held bytes as they are now.
    void update(quint64 id);
    void remove(quint64 id);

    std::optional<Clock::time_point> nextDeadline() const;
    std::vector<quint64> expired(Clock::time_point now) const;
    // The connection that has waited longest for its request; 0 when none is still sending.
    quint64 oldestWaiting() const;
    std::vector<quint64> ids() const;
    qsizetype size() const { return qsizetype(m_open.size()); }
    qsizetype bufferedBytes() const { return m_buffered; }

private:
    struct Entry {
        std::unique_ptr<ClientConnection> connection;
        Clock::time_point deadline;
        qsizetype buffered = 0;
    };

    std::map<quint64, Entry> m_open;
    std::set<std::pair<Clock::time_point, quint64>> m_deadlines;
    qsizetype m_buffered = 0;
    quint64 m_nextId = FirstId;
};

} // namespace verbalink::gateway
