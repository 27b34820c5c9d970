#include "skype/ChatMessageRecords.h"

namespace verbalink {

qsizetype ChatMessageRecords::indexOfLocked(qint32 id) const
{
    for (qsizetype i = m_records.size() - 1; i >= 0; --i) {
        if (m_records[i].id == id)
            return i;
    }
    return -1;
}

std::optional<ChatMessageRecord> ChatMessageRecords::find(qint32 id) const
{
    std::lock_guard lock(m_mutex);
    const qsizetype index = indexOfLocked(id);
    if (index < 0)
        return std::nullopt;
    return m_records[index];
}

void ChatMessageRecords::update(qint32 id, const SkypeEndpoint& window, const Change& change)
{
    std::lock_guard lock(m_mutex);
    const qsizetype index = indexOfLocked(id);
    if (index >= 0) {
        change(m_records[index], true);
        return;
    }
    ChatMessageRecord record;
    record.id = id;
    record.skypeWindow = window;
    change(record, false);
    m_records.append(std::move(record));
}

bool ChatMessageRecords::modify(qint32 id, const std::function<bool(ChatMessageRecord&)>& change)
{
    std::lock_guard lock(m_mutex);
    const qsizetype index = indexOfLocked(id);
    return index >= 0 && change(m_records[index]);
}

qsizetype ChatMessageRecords::removeWindow(const SkypeEndpoint& window)
{
    std::lock_guard lock(m_mutex);
    return m_records.removeIf(
        [&window](const ChatMessageRecord& record) { return record.skypeWindow == window; });
}

qsizetype ChatMessageRecords::purgeBefore(qint64 cutoffSeconds)
{
    std::lock_guard lock(m_mutex);
    return m_records.removeIf(
        [cutoffSeconds](const ChatMessageRecord& record) { return record.time < cutoffSeconds; });
}

qsizetype ChatMessageRecords::size() const
{
    std::lock_guard lock(m_mutex);
    return m_records.size();
}

} // namespace verbalink
