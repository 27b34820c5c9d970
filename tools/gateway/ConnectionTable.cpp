#include "gateway/ConnectionTable.h"

namespace verbalink::gateway {

quint64 ConnectionTable::add(std::unique_ptr<ClientConnection> connection)
{
    const quint64 id = m_nextId++;
    m_open.emplace(id, Entry{std::move(connection), Clock::time_point::max(), 0});
    update(id);
    return id;
}

ClientConnection* ConnectionTable::find(quint64 id) const
{
    const auto found = m_open.find(id);
    return found == m_open.end() ? nullptr : found->second.connection.get();
}

void ConnectionTable::update(quint64 id)
{
    const auto found = m_open.find(id);
    if (found == m_open.end())
        return;
    Entry& entry = found->second;
    const Clock::time_point deadline = entry.connection->deadline();
    if (deadline != entry.deadline) {
        m_deadlines.erase({entry.deadline, id});
        entry.deadline = deadline;
        if (deadline != Clock::time_point::max())
            m_deadlines.insert({deadline, id});
    }
    const qsizetype buffered = entry.connection->bufferedBytes();
    m_buffered += buffered - entry.buffered;
    entry.buffered = buffered;
}

void ConnectionTable::remove(quint64 id)
{
    const auto found = m_open.find(id);
    if (found == m_open.end())
        return;
    m_deadlines.erase({found->second.deadline, id});
    m_buffered -= found->second.buffered;
    m_open.erase(found);
}

std::optional<ConnectionTable::Clock::time_point> ConnectionTable::nextDeadline() const
{
    if (m_deadlines.empty())
        return std::nullopt;
    return m_deadlines.begin()->first;
}

std::vector<quint64> ConnectionTable::expired(Clock::time_point now) const
{
    std::vector<quint64> ids;
    for (auto it = m_deadlines.begin(); it != m_deadlines.end() && it->first <= now; ++it)
        ids.push_back(it->second);
    return ids;
}

quint64 ConnectionTable::oldestWaiting() const
{
    for (const auto& [id, entry] : m_open) {
        if (entry.connection->state() == ClientConnection::State::Reading)
            return id;
    }
    return 0;
}

std::vector<quint64> ConnectionTable::ids() const
{
    std::vector<quint64> ids;
    for (const auto& [id, entry] : m_open)
        ids.push_back(id);
    return ids;
}

} // namespace verbalink::gateway
