#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace verbalink::desktopapi {

struct ApiChat {
    // "#alice/$bob;5ea7c000" for a one-to-one chat started by alice, "#alice/$5ea7c001" for a
    // group chat: the form the client uses, which tells the two apart by the ";".
    QString name;
    // The user the chat is seen from (the own handle when it was made).
    QString owner;
    // The other participant of a one-to-one chat; empty for a group chat.
    QString partner;
    // The others in a group chat, as far as the client knows them.
    QStringList members;
};

// The chats the client knows. Bounded like the message store: the oldest chat goes
// first, and a later message to that partner simply starts a new chat.
class ApiChatList {
public:
    static constexpr qsizetype DefaultCapacity = 1000;

    explicit ApiChatList(qsizetype capacity = DefaultCapacity);

    // The one-to-one chat between owner and partner; a new one is named after whoever starts
    // it, as the client does ("#bob/$alice;..." when bob wrote first).
    ApiChat dialog(const QString& owner, const QString& partner, bool partnerStarts);
    // The owner's standing group chat, made on first use.
    ApiChat standingGroup(const QString& owner);
    ApiChat newGroup(const QString& owner, const QStringList& members = {});
    const ApiChat* find(const QString& name) const;
    // False when there is no such chat.
    bool setMembers(const QString& name, const QStringList& members);
    qsizetype size() const { return m_chats.size(); }

private:
    ApiChat append(ApiChat chat);
    QString nextChatId();

    QList<ApiChat> m_chats;
    qsizetype m_capacity;
    quint32 m_serial = 0x5ea7c000;
};

} // namespace verbalink::desktopapi
