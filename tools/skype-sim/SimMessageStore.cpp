#include "SimMessageStore.h"

#include <algorithm>

namespace verbalink::sim {

SimMessageStore::SimMessageStore(qsizetype capacity) : m_capacity(std::max<qsizetype>(1, capacity))
{}

SimChatMessage SimMessageStore::add(const QString& chatName, const QString& author,
                                    const QString& body, const QString& status)
{
    if (size() >= m_capacity)
        m_messages.pop_front();
    m_messages.push_back({m_nextId++, chatName, author, body, status});
    return m_messages.back();
}

const SimChatMessage* SimMessageStore::find(int id) const
{
    const auto found = std::lower_bound(
        m_messages.begin(), m_messages.end(), id,
        [](const SimChatMessage& message, int wanted) { return message.id < wanted; });
    if (found == m_messages.end() || found->id != id)
        return nullptr;
    return &*found;
}

SimChatMessage* SimMessageStore::find(int id)
{
    return const_cast<SimChatMessage*>(std::as_const(*this).find(id));
}

} // namespace verbalink::sim
