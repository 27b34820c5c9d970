#include "SimChats.h"

#include "SimState.h"

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

// A message id as the API writes it: a positive decimal number.
int messageId(const QString& word)
{
    bool isNumber = false;
    const int id = word.toInt(&isNumber);
    return isNumber && id > 0 ? id : 0;
}

QString statusLine(const SimChatMessage& message)
{
    return u"CHATMESSAGE "_s + QString::number(message.id) + u" STATUS "_s + message.status;
}

} // namespace

SimChats::SimChats(const SimState& state, qsizetype messageCapacity)
    : m_state(state), m_messages(messageCapacity)
{}

bool SimChats::isValidHandle(const QString& handle)
{
    if (handle.isEmpty())
        return false;
    for (const QChar c : handle) {
        if (c.isSpace() || c == u'#' || c == u'/' || c == u'$' || c == u';' || c == u',')
            return false;
    }
    return true;
}

SimResponse SimChats::createChat(const QString& arguments)
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
        const SimChat chat = m_chats.dialog(m_state.ownHandle, members.first(), false);
        return answer(u"CHAT "_s + chat.name + u" STATUS DIALOG"_s);
    }
    const SimChat chat = m_chats.newGroup(m_state.ownHandle);
    return answer(u"CHAT "_s + chat.name + u" STATUS MULTI_SUBSCRIBED"_s);
}

SimResponse SimChats::openChat(const QString& arguments) const
{
    if (!m_chats.find(arguments))
        return answer(u"ERROR 105 Invalid chat name"_s);
    return answer(u"OPEN CHAT "_s + arguments);
}

SimResponse SimChats::post(const QString& arguments)
{
    const auto [chatName, text] = firstWord(arguments);
    const SimChat* chat = m_chats.find(chatName);
    if (!chat)
        return answer(u"ERROR 105 Invalid chat name"_s);
    if (text.isEmpty())
        return answer(u"ERROR 43 CHATMESSAGE: cannot send empty message"_s);
    // The status reply is the report a typed message gets; the program asks for the rest.
    return answer(statusLine(file(SimMessageChange::Posted, *chat, m_state.ownHandle, text)));
}

SimResponse SimChats::getMessage(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const SimChatMessage* message = m_messages.find(messageId(words.at(0)));
    if (!message)
        return answer(u"ERROR 14 Invalid message id"_s);
    const QString property = words.at(1).toUpper();
    QString value;
    if (property == u"CHATNAME")
        value = message->chatName;
    else if (property == u"FROM_HANDLE")
        value = message->author;
    else if (property == u"BODY")
        value = message->body;
    else if (property == u"STATUS")
        value = message->status;
    else
        return answer(u"ERROR 10 Invalid property"_s);
    return answer(u"CHATMESSAGE "_s + QString::number(message->id) + u' ' + property + u' ' +
                  value);
}

// The body is everything after "BODY ", kept exactly: commas, tabs, CR LF.
SimResponse SimChats::setMessage(const QString& arguments)
{
    const auto [idWord, rest] = firstWord(arguments);
    const auto [property, body] = firstWord(rest);
    if (property.compare(u"BODY"_s, Qt::CaseInsensitive) != 0)
        return answer(u"ERROR 10 Invalid property"_s);
    SimChatMessage* message = m_messages.find(messageId(idWord));
    if (!message)
        return answer(u"ERROR 14 Invalid message id"_s);
    if (message->author != m_state.ownHandle)
        return answer(u"ERROR 18 SET CHATMESSAGE: cannot edit another user's message"_s);
    message->body = body;
    tell(SimMessageChange::BodySet, *message);
    return answer(u"CHATMESSAGE "_s + QString::number(message->id) + u" BODY "_s + body);
}

QStringList SimChats::userTypes(const QString& partner, const QString& text)
{
    const SimChat chat = m_chats.dialog(m_state.ownHandle, partner, false);
    return {statusLine(file(SimMessageChange::Typed, chat, m_state.ownHandle, text))};
}

QStringList SimChats::contactWrites(const QString& author, const QString& text)
{
    const SimChat chat = m_chats.dialog(m_state.ownHandle, author, true);
    return {statusLine(file(SimMessageChange::Received, chat, author, text))};
}

QStringList SimChats::userTypesInGroup(const QString& text)
{
    const SimChat chat = m_chats.standingGroup(m_state.ownHandle);
    return {statusLine(file(SimMessageChange::Typed, chat, m_state.ownHandle, text))};
}

QStringList SimChats::contactWritesInGroup(const QString& author, const QString& text)
{
    const SimChat chat = m_chats.standingGroup(m_state.ownHandle);
    return {statusLine(file(SimMessageChange::Received, chat, author, text))};
}

SimChatMessage SimChats::file(SimMessageChange change, const SimChat& chat, const QString& author,
                              const QString& text)
{
    const QString status = change == SimMessageChange::Received ? u"RECEIVED"_s : u"SENDING"_s;
    const SimChatMessage message = m_messages.add(chat.name, author, text, status);
    tell(change, message);
    return message;
}

void SimChats::tell(SimMessageChange change, const SimChatMessage& message) const
{
    for (const Listener& listener : m_listeners)
        listener(change, message);
}

} // namespace verbalink::sim
