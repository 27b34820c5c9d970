#pragma once

#include "ApiChatList.h"
#include "ApiMessageStore.h"
#include "ApiResponse.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace verbalink::desktopapi {

struct ApiState;

// The chat side of the client: chats, their messages, the commands that make and
// edit them, and the scripted events of the user typing and of contacts writing.
class ApiChats {
public:
    using Listener = std::function<void(ApiMessageChange, const ApiChatMessage&)>;
    // Told when a program reads a message's body (it may be about to replace it).
    using ReadListener = std::function<void(const ApiChatMessage&)>;

    explicit ApiChats(const ApiState& state,
                      qsizetype messageCapacity = ApiMessageStore::DefaultCapacity);

    // Every listener is told about every new message and every body change, in the order
    // they were added (the messages file, the chat window).
    void addListener(Listener listener) { m_listeners.append(std::move(listener)); }
    void setReadListener(ReadListener listener) { m_readListener = std::move(listener); }

    // CHAT CREATE <handle>[, <handle> ...]
    ApiResponse createChat(const QString& arguments);
    // OPEN CHAT <chatname>
    ApiResponse openChat(const QString& arguments) const;
    // CHATMESSAGE <chatname> <text>
    ApiResponse post(const QString& arguments);
    // GET CHATMESSAGE <id> CHATNAME | FROM_HANDLE | BODY | STATUS
    ApiResponse getMessage(const QString& arguments) const;
    // SET CHATMESSAGE <id> BODY <text>
    ApiResponse setMessage(const QString& arguments);
    // GET CHAT <chatname> MEMBERS | STATUS
    ApiResponse getChat(const QString& arguments) const;

    // The scripted events; each returns the lines pushed to the attached client.
    QStringList userTypes(const QString& partner, const QString& text);
    QStringList contactWrites(const QString& author, const QString& text);
    QStringList userTypesInGroup(const QString& text);
    QStringList contactWritesInGroup(const QString& author, const QString& text);

    // The same events in a chat named by the caller (a chat client's rooms); nothing when
    // there is no such chat.
    QStringList userTypesIn(const QString& chatName, const QString& text);
    QStringList contactWritesIn(const QString& chatName, const QString& author,
                                const QString& text);
    // A new group chat with these members (others than the own user).
    ApiChat openGroup(const QStringList& members);
    bool setMembers(const QString& chatName, const QStringList& members);
    // The message's new status and the line that tells the attached client; nothing when the
    // message is not known (any more).
    QStringList setStatus(int id, const QString& status);
    void markDelivered(int id);
    // A contact corrected a message they wrote: its body changes where it is, and no program
    // is told (it handled the message already). False for a message not known or not theirs.
    bool authorEdits(int id, const QString& author, const QString& text);

    const ApiMessageStore& messages() const { return m_messages; }
    const ApiChatList& chats() const { return m_chats; }

    // Handles go into chat names, so the characters that delimit those are refused.
    static bool isValidHandle(const QString& handle);

private:
    ApiChatMessage file(ApiMessageChange change, const ApiChat& chat, const QString& author,
                        const QString& text);
    void tell(ApiMessageChange change, const ApiChatMessage& message) const;

    const ApiState& m_state;
    ApiChatList m_chats;
    ApiMessageStore m_messages;
    QList<Listener> m_listeners;
    ReadListener m_readListener;
};

} // namespace verbalink::desktopapi
