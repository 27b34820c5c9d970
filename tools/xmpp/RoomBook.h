#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace verbalink::xmpp {

// The group chats (rooms) the account is in: each room's own nick, its chat in the desktop
// API, and who sits there with the real JID where the room shows it.
class RoomBook {
public:
    struct Occupant {
        QString nick;
        // Empty in a room that hides its occupants' JIDs.
        QString realJid;
    };
    struct Room {
        QString jid;
        QString ownNick;
        QString chatName;
        QList<Occupant> occupants;

        const Occupant* occupant(const QString& nick) const;
    };

    void join(const QString& roomJid, const QString& ownNick, const QString& chatName);
    void leave(const QString& roomJid);
    // The occupant list changes; false for a room not joined. The own nick is no occupant.
    bool occupantPresent(const QString& roomJid, const Occupant& occupant);
    bool occupantGone(const QString& roomJid, const QString& nick);

    const Room* find(const QString& roomJid) const;
    const Room* byChat(const QString& chatName) const;
    const QList<Room>& rooms() const { return m_rooms; }

private:
    Room* findRoom(const QString& roomJid);

    QList<Room> m_rooms;
};

} // namespace verbalink::xmpp
