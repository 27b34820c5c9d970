#pragma once

#include <QHash>
#include <QString>

namespace verbalink::xmpp {

// The desktop API's handles for the people behind XMPP addresses. A bare JID is its own handle
// when it holds none of the characters that delimit chat names; otherwise, and for a room's
// occupant whose real JID the room does not show ("room@service/nick" holds a '/'), the table
// makes a handle and keeps it, so the same person always has the same handle.
class HandleTable {
public:
    // The handle of a bare JID.
    QString forJid(const QString& bareJid);
    // The handle of a room occupant: its real bare JID where the room shows it, else one made
    // of the nick and the room.
    QString forOccupant(const QString& roomJid, const QString& nick, const QString& realBareJid);
    // The bare JID a handle stands for (for an occupant without a real JID, "room/nick");
    // empty when the handle is not in the table.
    QString addressOf(const QString& handle) const;

private:
    QString assign(const QString& address, const QString& wanted);

    QHash<QString, QString> m_handleOf;  // address → handle
    QHash<QString, QString> m_addressOf; // handle → address
};

} // namespace verbalink::xmpp
