#pragma once

#include <QString>
#include <deque>

namespace verbalink::desktopapi {

struct ApiChatMessage {
    int id = 0;
    QString chatName;
    QString author;
    QString body;
    QString status;
    // The partner's client confirmed it got the message (shown in the window only).
    bool delivered = false;
};

// What happened to a message: made by the user typing, by a contact writing, by a program
// posting it (CHATMESSAGE), its body replaced (SET CHATMESSAGE), or its status changed (the
// network took it), or the partner's client confirmed it got it, or its author corrected it.
enum class ApiMessageChange { Typed, Received, Posted, BodySet, StatusSet, Delivered, Edited };

// The chat messages the client knows, by id. It keeps the newest ones only, so a
// long test run cannot make it grow without limit.
class ApiMessageStore {
public:
    static constexpr qsizetype DefaultCapacity = 10000;

    explicit ApiMessageStore(qsizetype capacity = DefaultCapacity);

    // Files a message under the next id, dropping the oldest one when the store is full.
    ApiChatMessage add(const QString& chatName, const QString& author, const QString& body,
                       const QString& status);
    const ApiChatMessage* find(int id) const;
    ApiChatMessage* find(int id);
    qsizetype size() const { return qsizetype(m_messages.size()); }
    // The id of the newest message; 0 before the first.
    int lastId() const { return m_nextId - 1; }

private:
    // Ascending ids, oldest first.
    std::deque<ApiChatMessage> m_messages;
    qsizetype m_capacity;
    int m_nextId = 1;
};

} // namespace verbalink::desktopapi
