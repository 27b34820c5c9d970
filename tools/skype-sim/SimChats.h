#pragma once

#include "SimChatList.h"
#include "SimMessageStore.h"
#include "SimResponse.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace verbalink::sim {

struct SimState;

// The chat side of the simulated client: chats, their messages, the commands that make and
// edit them, and the scripted events of the user typing and of contacts writing.
class SimChats {
public:
    using Listener = std::function<void(SimMessageChange, const SimChatMessage&)>;

    explicit SimChats(const SimState& state,
                      qsizetype messageCapacity = SimMessageStore::DefaultCapacity);

    // Every listener is told about every new message and every body change, in the order
    // they were added (the messages file, the chat window).
    void addListener(Listener listener) { m_listeners.append(std::move(listener)); }

    // CHAT CREATE <handle>[, <handle> ...]
    SimResponse createChat(const QString& arguments);
    // OPEN CHAT <chatname>
    SimResponse openChat(const QString& arguments) const;
    // CHATMESSAGE <chatname> <text>
    SimResponse post(const QString& arguments);
    // GET CHATMESSAGE <id> CHATNAME | FROM_HANDLE | BODY | STATUS
    SimResponse getMessage(const QString& arguments) const;
    // SET CHATMESSAGE <id> BODY <text>
    SimResponse setMessage(const QString& arguments);

    // The scripted events; each returns the lines pushed to the attached client.
    QStringList userTypes(const QString& partner, const QString& text);
    QStringList contactWrites(const QString& author, const QString& text);
    QStringList userTypesInGroup(const QString& text);
    QStringList contactWritesInGroup(const QString& author, const QString& text);

    const SimMessageStore& messages() const { return m_messages; }
    const SimChatList& chats() const { return m_chats; }

    // Handles go into chat names, so the characters that delimit those are refused.
    static bool isValidHandle(const QString& handle);

private:
    SimChatMessage file(SimMessageChange change, const SimChat& chat, const QString& author,
                        const QString& text);
    void tell(SimMessageChange change, const SimChatMessage& message) const;

    const SimState& m_state;
    SimChatList m_chats;
    SimMessageStore m_messages;
    QList<Listener> m_listeners;
};

} // namespace verbalink::sim
