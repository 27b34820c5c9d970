#include "RoomBridge.h"

#include "XmppWorld.h"

#include <gloox/mucroom.h>
#include <gloox/presence.h>

namespace verbalink::xmpp {

RoomBridge::RoomBridge(XmppWorld& world, gloox::ClientBase& client, const QString& roomJid,
                       const QString& nick)
    : m_world(world), m_jid(roomJid), m_nick(nick),
      m_room(std::make_unique<gloox::MUCRoom>(
          &client, gloox::JID(QString(roomJid + u'/' + nick).toStdString()), this))
{
    m_world.roomJoined(m_jid, m_nick);
}

RoomBridge::~RoomBridge() = default;

void RoomBridge::join()
{
    m_room->join();
}

void RoomBridge::handleMUCParticipantPresence(gloox::MUCRoom*,
                                              const gloox::MUCRoomParticipant participant,
                                              const gloox::Presence& presence)
{
    if (!participant.nick)
        return;
    const QString nick = QString::fromStdString(participant.nick->resource());
    if (presence.presence() == gloox::Presence::Unavailable) {
        m_world.occupantGone(m_jid, nick);
        return;
    }
    const QString real =
        participant.jid ? QString::fromStdString(participant.jid->bare()) : QString();
    m_world.occupantPresent(m_jid, nick, real);
}

} // namespace verbalink::xmpp
