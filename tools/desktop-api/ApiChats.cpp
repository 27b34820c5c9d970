#include "ApiChats.h"

#include "ApiState.h"

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

// A message id as the API writes it: a positive decimal number.
int messageId(const QString& word)
{
    bool isNumber = false;
    const int id = word.toInt(&isNumber);
    return isNumber && id > 0 ? id : 0;
}

QString statusLine(const ApiChatMessage& message)
{
    return u"CHATMESSAGE "_s + QString::number(message.id) + u" STATUS "_s + message.status;
}

} // namespace

ApiChats::ApiChats(const ApiState& state, qsizetype messageCapacity)
    : m_state(state), m_messages(messageCapacity)
{}

bool ApiChats::isValidHandle(const QString& handle)
{
    if (handle.isEmpty())
        return false;
    for (const QChar c : handle) {
        if (c.isSpace() || c == u'#' || c == u'/' || c == u'$' || c == u';' || c == u',')
            return false;
    }
    return true;
}

ApiResponse ApiChats::createChat(const QString& arguments)
{
    const QStringList handles = arguments.split(u',', Qt::SkipEmptyParts);
    QStringList members;
    for (const QString& handle : handles) {
        if (!isValidHandle(handle.trimmed()))
            return answer(u"ERROR 104 CHAT CREATE: invalid user handle"_s);
        members.append(handle.trimmed());
    }
    if (members.isEmpty())
        return answer(u"ERROR 36 CHAT CREATE: no users given"_s);
    if (members.size() == 1) {
        const ApiChat chat = m_chats.dialog(m_state.ownHandle, members.first(), false);
        return answer(u"CHAT "_s + chat.name + u" STATUS DIALOG"_s);
    }
    const ApiChat chat = m_chats.newGroup(m_state.ownHandle, members);
    return answer(u"CHAT "_s + chat.name + u" STATUS MULTI_SUBSCRIBED"_s);
}

ApiResponse ApiChats::getChat(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const ApiChat* chat = m_chats.find(words.at(0));
    if (!chat)
        return answer(u"ERROR 105 Invalid chat name"_s);
    const QString property = words.at(1).toUpper();
    const bool dialog = !chat->partner.isEmpty();
    QString value;
    if (property == u"MEMBERS") {
        // The API lists everyone in the chat, the own user first.
        const QStringList others = dialog ? QStringList{chat->partner} : chat->members;
        value = (QStringList{m_state.ownHandle} + others).join(u' ');
    } else if (property == u"STATUS") {
        value = dialog ? u"DIALOG"_s : u"MULTI_SUBSCRIBED"_s;
    } else {
        return answer(u"ERROR 10 Invalid property"_s);
    }
    return answer(u"CHAT "_s + chat->name + u' ' + property + u' ' + value);
}

ApiResponse ApiChats::openChat(const QString& arguments) const
{
    if (!m_chats.find(arguments))
        return answer(u"ERROR 105 Invalid chat name"_s);
    return answer(u"OPEN CHAT "_s + arguments);
}

ApiResponse ApiChats::post(const QString& arguments)
{
    const auto [chatName, text] = firstWord(arguments);
    const ApiChat* chat = m_chats.find(chatName);
    if (!chat)
        return answer(u"ERROR 105 Invalid chat name"_s);
    if (text.isEmpty())
        return answer(u"ERROR 43 CHATMESSAGE: cannot send empty message"_s);
    // The status reply is the report a typed message gets; the program asks for the rest.
    return answer(statusLine(file(ApiMessageChange::Posted, *chat, m_state.ownHandle, text)));
}

ApiResponse ApiChats::getMessage(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const ApiChatMessage* message = m_messages.find(messageId(words.at(0)));
    if (!message)
        return answer(u"ERROR 14 Invalid message id"_s);
    const QString property = words.at(1).toUpper();
    QString value;
    if (property == u"CHATNAME")
        value = message->chatName;
    else if (property == u"FROM_HANDLE")
        value = message->author;
    else if (property == u"BODY") {
        value = message->body;
        if (m_readListener)
            m_readListener(*message);
    } else if (property == u"STATUS")
        value = message->status;
    else
        return answer(u"ERROR 10 Invalid property"_s);
    return answer(u"CHATMESSAGE "_s + QString::number(message->id) + u' ' + property + u' ' +
                  value);
}

// The body is everything after "BODY ", kept exactly: commas, tabs, CR LF.
ApiResponse ApiChats::setMessage(const QString& arguments)
{
    const auto [idWord, rest] = firstWord(arguments);
    const auto [property, body] = firstWord(rest);
    if (property.compare(u"BODY"_s, Qt::CaseInsensitive) != 0)
        return answer(u"ERROR 10 Invalid property"_s);
    ApiChatMessage* message = m_messages.find(messageId(idWord));
    if (!message)
        return answer(u"ERROR 14 Invalid message id"_s);
    if (message->author != m_state.ownHandle)
        return answer(u"ERROR 18 SET CHATMESSAGE: cannot edit another user's message"_s);
    message->body = body;
    tell(ApiMessageChange::BodySet, *message);
    return answer(u"CHATMESSAGE "_s + QString::number(message->id) + u" BODY "_s + body);
}

QStringList ApiChats::userTypes(const QString& partner, const QString& text)
{
    const ApiChat chat = m_chats.dialog(m_state.ownHandle, partner, false);
    return {statusLine(file(ApiMessageChange::Typed, chat, m_state.ownHandle, text))};
}

QStringList ApiChats::contactWrites(const QString& author, const QString& text)
{
    const ApiChat chat = m_chats.dialog(m_state.ownHandle, author, true);
    return {statusLine(file(ApiMessageChange::Received, chat, author, text))};
}

QStringList ApiChats::userTypesInGroup(const QString& text)
{
    const ApiChat chat = m_chats.standingGroup(m_state.ownHandle);
    return {statusLine(file(ApiMessageChange::Typed, chat, m_state.ownHandle, text))};
}

QStringList ApiChats::contactWritesInGroup(const QString& author, const QString& text)
{
    const ApiChat chat = m_chats.standingGroup(m_state.ownHandle);
    return {statusLine(file(ApiMessageChange::Received, chat, author, text))};
}

QStringList ApiChats::userTypesIn(const QString& chatName, const QString& text)
{
    const ApiChat* chat = m_chats.find(chatName);
    if (!chat)
        return {};
    return {statusLine(file(ApiMessageChange::Typed, *chat, m_state.ownHandle, text))};
}

QStringList ApiChats::contactWritesIn(const QString& chatName, const QString& author,
                                      const QString& text)
{
    const ApiChat* chat = m_chats.find(chatName);
    if (!chat)
        return {};
    return {statusLine(file(ApiMessageChange::Received, *chat, author, text))};
}

ApiChat ApiChats::openGroup(const QStringList& members)
{
    return m_chats.newGroup(m_state.ownHandle, members);
}

bool ApiChats::setMembers(const QString& chatName, const QStringList& members)
{
    return m_chats.setMembers(chatName, members);
}

QStringList ApiChats::setStatus(int id, const QString& status)
{
    ApiChatMessage* message = m_messages.find(id);
    if (!message)
        return {};
    message->status = status;
    tell(ApiMessageChange::StatusSet, *message);
    return {statusLine(*message)};
}

void ApiChats::markDelivered(int id)
{
    ApiChatMessage* message = m_messages.find(id);
    if (!message || message->delivered)
        return;
    message->delivered = true;
    tell(ApiMessageChange::Delivered, *message);
}

bool ApiChats::authorEdits(int id, const QString& author, const QString& text)
{
    ApiChatMessage* message = m_messages.find(id);
    if (!message || message->author != author || author == m_state.ownHandle)
        return false;
    message->body = text;
    tell(ApiMessageChange::Edited, *message);
    return true;
}

ApiChatMessage ApiChats::file(ApiMessageChange change, const ApiChat& chat, const QString& author,
                              const QString& text)
{
    const QString status = change == ApiMessageChange::Received ? u"RECEIVED"_s : u"SENDING"_s;
    const ApiChatMessage message = m_messages.add(chat.name, author, text, status);
    tell(change, message);
    return message;
}

void ApiChats::tell(ApiMessageChange change, const ApiChatMessage& message) const
{
    for (const Listener& listener : m_listeners)
        listener(change, message);
}

} // namespace verbalink::desktopapi
