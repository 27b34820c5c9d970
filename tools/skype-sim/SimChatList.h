#pragma once

#include <QList>
#include <QString>

namespace verbalink::sim {

struct SimChat {
    // "#alice/$bob;5ea7c000" for a one-to-one chat started by alice, "#alice/$5ea7c001" for a
    // group chat: the form the client uses, which tells the two apart by the ";".
    QString name;
    // The user the chat is seen from (the own handle when it was made).
    QString owner;
    // The other participant of a one-to-one chat; empty for a group chat.
    QString partner;
};

// The chats the simulated client knows. Bounded like the message store: the oldest chat goes
// first, and a later message to that partner simply starts a new chat.
class SimChatList {
public:
    static constexpr qsizetype DefaultCapacity = 1000;

    explicit SimChatList(qsizetype capacity = DefaultCapacity);

    // The one-to-one chat between owner and partner; a new one is named after whoever starts
    // it, as the client does ("#bob/$alice;..." when bob wrote first).
    SimChat dialog(const QString& owner, const QString& partner, bool partnerStarts);
    // The owner's standing group chat, made on first use.
    SimChat standingGroup(const QString& owner);
    SimChat newGroup(const QString& owner);
    const SimChat* find(const QString& name) const;
    qsizetype size() const { return m_chats.size(); }

private:
    SimChat append(SimChat chat);
    QString nextChatId();

    QList<SimChat> m_chats;
    qsizetype m_capacity;
    quint32 m_serial = 0x5ea7c000;
};

} // namespace verbalink::sim
