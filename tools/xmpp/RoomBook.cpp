#include "RoomBook.h"

#include <algorithm>

namespace verbalink::xmpp {

const RoomBook::Occupant* RoomBook::Room::occupant(const QString& nick) const
{
    const auto found = std::find_if(occupants.begin(), occupants.end(),
                                    [&nick](const Occupant& known) { return known.nick == nick; });
    return found == occupants.end() ? nullptr : &*found;
}

void RoomBook::join(const QString& roomJid, const QString& ownNick, const QString& chatName)
{
    if (Room* known = findRoom(roomJid)) {
        known->ownNick = ownNick;
        return;
    }
    m_rooms.append({roomJid, ownNick, chatName, {}});
}

void RoomBook::leave(const QString& roomJid)
{
    m_rooms.removeIf([&roomJid](const Room& room) { return room.jid == roomJid; });
}

bool RoomBook::occupantPresent(const QString& roomJid, const Occupant& occupant)
{
    Room* room = findRoom(roomJid);
    if (!room)
        return false;
    if (occupant.nick == room->ownNick)
        return true;
    for (Occupant& known : room->occupants) {
        if (known.nick == occupant.nick) {
            known.realJid = occupant.realJid;
            return true;
        }
    }
    room->occupants.append(occupant);
    return true;
}

bool RoomBook::occupantGone(const QString& roomJid, const QString& nick)
{
    Room* room = findRoom(roomJid);
    if (!room)
        return false;
    room->occupants.removeIf([&nick](const Occupant& known) { return known.nick == nick; });
    return true;
}

const RoomBook::Room* RoomBook::find(const QString& roomJid) const
{
    for (const Room& room : m_rooms) {
        if (room.jid == roomJid)
            return &room;
    }
    return nullptr;
}

const RoomBook::Room* RoomBook::byChat(const QString& chatName) const
{
    for (const Room& room : m_rooms) {
        if (room.chatName == chatName)
            return &room;
    }
    return nullptr;
}

RoomBook::Room* RoomBook::findRoom(const QString& roomJid)
{
    return const_cast<Room*>(std::as_const(*this).find(roomJid));
}

} // namespace verbalink::xmpp
