#include "skype/ChatMessageRecords.h"

namespace verbalink {

std::optional<ChatMessageRecord> ChatMessageRecords::find(qint32 id) const
{
    std::lock_guard lock(m_mutex);
    const auto at = m_records.constFind(id);
    if (at == m_records.cend())
        return std::nullopt;
    return *at;
}

void ChatMessageRecords::update(qint32 id, const SkypeEndpoint& window, const Change& change)
{
    std::lock_guard lock(m_mutex);
    const auto at = m_records.find(id);
    if (at != m_records.end()) {
        change(*at, true);
        return;
    }
    ChatMessageRecord record;
    record.id = id;
    record.skypeWindow = window;
    change(record, false);
    m_records.insert(id, std::move(record));
}

bool ChatMessageRecords::modify(qint32 id, const std::function<bool(ChatMessageRecord&)>& change)
{
    std::lock_guard lock(m_mutex);
    const auto at = m_records.find(id);
    return at != m_records.end() && change(*at);
}

qsizetype ChatMessageRecords::removeWindow(const SkypeEndpoint& window)
{
    std::lock_guard lock(m_mutex);
    return m_records.removeIf(
        [&window](const auto& entry) { return entry.value().skypeWindow == window; });
}

qsizetype ChatMessageRecords::purgeBefore(qint64 cutoffSeconds)
{
    std::lock_guard lock(m_mutex);
    return m_records.removeIf(
        [cutoffSeconds](const auto& entry) { return entry.value().time < cutoffSeconds; });
}

qsizetype ChatMessageRecords::size() const
{
    std::lock_guard lock(m_mutex);
    return m_records.size();
}

} // namespace verbalink
