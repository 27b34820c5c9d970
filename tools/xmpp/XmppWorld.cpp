#include "XmppWorld.h"

#include "FlagCodes.h"

using namespace Qt::StringLiterals;
using verbalink::desktopapi::answer;
using verbalink::desktopapi::ApiChat;
using verbalink::desktopapi::ApiChatMessage;
using verbalink::desktopapi::ApiMessageChange;

namespace verbalink::xmpp {

XmppWorld::XmppWorld(Options options, XmppLink& link, Clock clock, Push push, Log log)
    : m_options(std::move(options)), m_link(link), m_clock(std::move(clock)),
      m_push(std::move(push)), m_log(std::move(log)), m_api(desktopapi::ApiState{}, *this),
      m_contacts(m_api.state()), m_reader(m_options.ownJid), m_scheduler(m_options.timing)
{
    m_api.state().ownHandle = m_handles.forJid(m_options.ownJid);
    // Calls are not carried over XMPP: every call is one the client does not know.
    for (const QString& command : {u"ALTER CALL"_s, u"GET CALL"_s})
        m_api.addHandler(command,
                         [](const QString&) { return answer(u"ERROR 11 Invalid call id"_s); });
    m_api.chats().addListener([this](ApiMessageChange change, const ApiChatMessage& message) {
        messageChanged(change, message);
    });
    m_api.chats().setReadListener([this](const ApiChatMessage& message) {
        if (message.author == m_api.state().ownHandle)
            m_scheduler.bodyRead(message.id);
    });
}

QImage XmppWorld::picture(const QString& handle) const
{
    return m_contacts.picture(handle);
}

void XmppWorld::setAttached(bool attached)
{
    m_scheduler.setAttached(attached, m_clock());
    drain();
}

void XmppWorld::setOnline(bool online)
{
    m_online = online;
    if (!online)
        return;
    const QList<Dispatch> waiting = std::exchange(m_offline, {});
    for (const Dispatch& dispatch : waiting)
        transmit(dispatch);
}

QString XmppWorld::rosterItem(const QString& bareJid, const QString& name)
{
    const QString handle = m_handles.forJid(bareJid);
    m_contacts.putRosterItem(handle, name);
    return handle;
}

void XmppWorld::rosterItemRemoved(const QString& bareJid)
{
    m_contacts.removeRosterItem(m_handles.forJid(bareJid));
}

void XmppWorld::cardReceived(const QString& bareJid, const QString& fullName, const QImage& photo)
{
    const QString handle = m_handles.forJid(bareJid);
    if (!fullName.isEmpty())
        m_contacts.setCardName(handle, fullName);
    m_contacts.setPhoto(handle, photo);
}

void XmppWorld::chooseLanguage(const QString& handle, const QString& code)
{
    m_contacts.chooseLanguage(handle, code);
}

QString XmppWorld::roomJoined(const QString& roomJid, const QString& ownNick)
{
    if (const RoomBook::Room* known = m_rooms.find(roomJid)) {
        m_rooms.join(roomJid, ownNick, known->chatName);
        return known->chatName;
    }
    const ApiChat chat = m_api.chats().openGroup({});
    m_rooms.join(roomJid, ownNick, chat.name);
    return chat.name;
}

void XmppWorld::occupantPresent(const QString& roomJid, const QString& nick, const QString& realJid)
{
    if (!m_rooms.occupantPresent(roomJid, {nick, realJid}))
        return;
    const RoomBook::Room& room = *m_rooms.find(roomJid);
    if (nick != room.ownNick) {
        const QString handle = m_handles.forOccupant(roomJid, nick, realJid);
        if (!m_contacts.knows(handle))
            m_contacts.meet(handle, nick);
    }
    updateMembers(room);
}

void XmppWorld::occupantGone(const QString& roomJid, const QString& nick)
{
    if (m_rooms.occupantGone(roomJid, nick))
        updateMembers(*m_rooms.find(roomJid));
}

void XmppWorld::stanzaReceived(const gloox::Tag& stanza)
{
    QString error;
    const std::optional<IncomingMessage> message = m_reader.read(stanza, error);
    if (!message) {
        m_log(u"dropped a stanza: "_s + error);
        return;
    }
    messageReceived(*message);
}

void XmppWorld::messageReceived(const IncomingMessage& message)
{
    // The own words are no news to the user, whichever device they were typed on.
    if (message.ownFromOtherDevice)
        return;
    if (message.kind == IncomingMessage::Kind::Group)
        deliverToRoom(message);
    else
        deliverToChat(message);
}

void XmppWorld::acknowledged(const QString& stanzaId)
{
    for (const SentMessage& sent : std::as_const(m_sent)) {
        if (sent.stanzaId == stanzaId) {
            pushAll(m_api.chats().setStatus(sent.id, u"SENT"_s));
            return;
        }
    }
}

void XmppWorld::delivered(const QString& stanzaId)
{
    for (const SentMessage& sent : std::as_const(m_sent)) {
        if (sent.stanzaId == stanzaId) {
            m_api.chats().markDelivered(sent.id);
            return;
        }
    }
}

void XmppWorld::userTypes(const QString& handle, const QString& text)
{
    pushAll(m_api.chats().userTypes(handle, text));
}

void XmppWorld::userTypesIn(const QString& chatName, const QString& text)
{
    pushAll(m_api.chats().userTypesIn(chatName, text));
}

void XmppWorld::advance()
{
    m_scheduler.advance(m_clock());
    drain();
}

void XmppWorld::messageChanged(ApiMessageChange change, const ApiChatMessage& message)
{
    switch (change) {
    case ApiMessageChange::Typed:
        m_scheduler.typed(message.id, message.chatName, message.body, m_clock());
        break;
    case ApiMessageChange::Posted:
        m_scheduler.posted(message.id, message.chatName, message.body, m_clock());
        break;
    case ApiMessageChange::BodySet:
        m_scheduler.bodyReplaced(message.id, message.body, m_clock());
        break;
    default:
        return;
    }
    drain();
}

void XmppWorld::deliverToChat(const IncomingMessage& message)
{
    const QString handle = m_handles.forJid(message.from);
    if (!m_contacts.knows(handle))
        m_contacts.meet(handle, {});
    m_contacts.heardLanguage(handle, message.lang);
    if (edited(message.from, handle, message))
        return;
    pushAll(m_api.chats().contactWrites(handle, message.body));
    rememberReceived(message.from, message.stanzaId);
}

void XmppWorld::deliverToRoom(const IncomingMessage& message)
{
    const RoomBook::Room* room = m_rooms.find(message.from);
    if (!room) {
        m_log(u"dropped a message from a room not joined: "_s + message.from);
        return;
    }
    // The room sends every message back to its author; the user's own went out already.
    if (message.nick == room->ownNick)
        return;
    const RoomBook::Occupant* occupant = room->occupant(message.nick);
    const QString handle =
        m_handles.forOccupant(room->jid, message.nick, occupant ? occupant->realJid : QString());
    if (!m_contacts.knows(handle))
        m_contacts.meet(handle, message.nick);
    m_contacts.heardLanguage(handle, message.lang);
    const QString sender = room->jid + u'/' + message.nick;
    if (edited(sender, handle, message))
        return;
    pushAll(m_api.chats().contactWritesIn(room->chatName, handle, message.body));
    rememberReceived(sender, message.stanzaId);
}

bool XmppWorld::edited(const QString& sender, const QString& author, const IncomingMessage& message)
{
    if (message.replaces.isEmpty())
        return false;
    const auto last = m_lastReceived.constFind(sender);
    if (last != m_lastReceived.cend() && last->stanzaId == message.replaces &&
        m_api.chats().authorEdits(last->id, author, message.body))
        return true;
    m_log(u"a correction from %1 of a message that is not their last; shown as a new one"_s.arg(
        sender));
    return false;
}

// Later corrections name the first message too, so a corrected message keeps its stanza id.
void XmppWorld::rememberReceived(const QString& sender, const QString& stanzaId)
{
    if (stanzaId.isEmpty())
        m_lastReceived.remove(sender);
    else
        m_lastReceived.insert(sender, {stanzaId, m_api.chats().messages().lastId()});
}

void XmppWorld::updateMembers(const RoomBook::Room& room)
{
    QStringList members;
    for (const RoomBook::Occupant& occupant : room.occupants)
        members.append(m_handles.forOccupant(room.jid, occupant.nick, occupant.realJid));
    m_api.chats().setMembers(room.chatName, members);
}

void XmppWorld::pushAll(const QStringList& lines)
{
    for (const QString& line : lines)
        m_push(line);
}

void XmppWorld::drain()
{
    logNotes();
    for (const Dispatch& dispatch : m_scheduler.takeDispatches()) {
        if (m_online)
            transmit(dispatch);
        else
            m_offline.append(dispatch);
    }
}

void XmppWorld::transmit(const Dispatch& dispatch)
{
    OutgoingMessage message;
    if (!targetOf(dispatch.chat, message)) {
        m_log(u"message %1: its chat %2 has no XMPP address; not sent"_s.arg(dispatch.id)
                  .arg(dispatch.chat));
        return;
    }
    message.body = FlagCodes::toUnicode(dispatch.body);
    if (dispatch.correction) {
        const SentMessage* sent = sentById(dispatch.id);
        if (!sent || message.toRoom || !m_link.supportsCorrection(message.to)) {
            m_log(u"message %1: replaced after it went out, and %2 takes no corrections; the "
                  u"replacement is dropped"_s.arg(dispatch.id)
                      .arg(message.to));
            return;
        }
        message.replaces = sent->stanzaId;
        m_link.send(message);
        return;
    }
    m_sent.append({dispatch.id, m_link.send(message), message.to});
    if (m_sent.size() > m_options.sentCapacity)
        m_sent.removeFirst();
}

bool XmppWorld::targetOf(const QString& chatName, OutgoingMessage& target) const
{
    const ApiChat* chat = m_api.chats().chats().find(chatName);
    if (!chat)
        return false;
    if (!chat->partner.isEmpty()) {
        const QString address = m_handles.addressOf(chat->partner);
        // A handle the program made up itself is taken as the JID it looks like.
        target.to = address.isEmpty() ? chat->partner : address;
        target.toRoom = false;
        return true;
    }
    const RoomBook::Room* room = m_rooms.byChat(chatName);
    if (!room)
        return false;
    target.to = room->jid;
    target.toRoom = true;
    return true;
}

const XmppWorld::SentMessage* XmppWorld::sentById(int id) const
{
    for (const SentMessage& sent : m_sent) {
        if (sent.id == id)
            return &sent;
    }
    return nullptr;
}

void XmppWorld::logNotes()
{
    for (const QString& note : m_scheduler.takeNotes())
        m_log(note);
}

} // namespace verbalink::xmpp
