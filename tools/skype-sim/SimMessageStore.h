#pragma once

#include <QString>
#include <deque>

namespace verbalink::sim {

struct SimChatMessage {
    int id = 0;
    QString chatName;
    QString author;
    QString body;
    QString status;
};

// What happened to a message: made by the user typing, by a contact writing, by a program
// posting it (CHATMESSAGE), or its body replaced (SET CHATMESSAGE).
enum class SimMessageChange { Typed, Received, Posted, BodySet };

// The chat messages the simulated client knows, by id. It keeps the newest ones only, so a
// long test run cannot make it grow without limit.
class SimMessageStore {
public:
    static constexpr qsizetype DefaultCapacity = 10000;

    explicit SimMessageStore(qsizetype capacity = DefaultCapacity);

    // Files a message under the next id, dropping the oldest one when the store is full.
    SimChatMessage add(const QString& chatName, const QString& author, const QString& body,
                       const QString& status);
    const SimChatMessage* find(int id) const;
    SimChatMessage* find(int id);
    qsizetype size() const { return qsizetype(m_messages.size()); }

private:
    // Ascending ids, oldest first.
    std::deque<SimChatMessage> m_messages;
    qsizetype m_capacity;
    int m_nextId = 1;
};

} // namespace verbalink::sim
