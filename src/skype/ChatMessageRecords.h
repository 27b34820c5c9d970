#pragma once

#include "skype/ChatMessageRecord.h"

#include <QHash>
#include <functional>
#include <mutex>
#include <optional>

namespace verbalink {

// The chat message records of recent message ids, one per id, behind the record lock. A
// record is changed in place under the lock, so the dispatcher, the body replacement and the
// purge never overwrite each other's changes; the change functions must not call out. Records
// are found by id in constant time: a client sending a flood of ids costs linear time.
class ChatMessageRecords {
public:
    // Whether the change was made to a record that already existed.
    using Change = std::function<void(ChatMessageRecord& record, bool existed)>;

    // A copy of the record with the id.
    std::optional<ChatMessageRecord> find(qint32 id) const;

    // Changes the record with the id, or a new one (id and window set) that is then kept.
    void update(qint32 id, const SkypeEndpoint& window, const Change& change);
    // Changes the record with the id when there is one; the change decides the result.
    bool modify(qint32 id, const std::function<bool(ChatMessageRecord&)>& change);

    // Removes every record of messages that came from the window; returns how many went.
    qsizetype removeWindow(const SkypeEndpoint& window);
    // Removes every record last touched before `cutoffSeconds`; returns how many went.
    qsizetype purgeBefore(qint64 cutoffSeconds);
    qsizetype size() const;

private:
    mutable std::mutex m_mutex;
    QHash<qint32, ChatMessageRecord> m_records;
};

} // namespace verbalink
