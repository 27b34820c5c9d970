#include "ApiMessageStore.h"

#include <algorithm>

namespace verbalink::desktopapi {

ApiMessageStore::ApiMessageStore(qsizetype capacity) : m_capacity(std::max<qsizetype>(1, capacity))
{}

ApiChatMessage ApiMessageStore::add(const QString& chatName, const QString& author,
                                    const QString& body, const QString& status)
{
    if (size() >= m_capacity)
        m_messages.pop_front();
    m_messages.push_back({m_nextId++, chatName, author, body, status});
    return m_messages.back();
}

const ApiChatMessage* ApiMessageStore::find(int id) const
{
    const auto found = std::lower_bound(
        m_messages.begin(), m_messages.end(), id,
        [](const ApiChatMessage& message, int wanted) { return message.id < wanted; });
    if (found == m_messages.end() || found->id != id)
        return nullptr;
    return &*found;
}

ApiChatMessage* ApiMessageStore::find(int id)
{
    return const_cast<ApiChatMessage*>(std::as_const(*this).find(id));
}

} // namespace verbalink::desktopapi
