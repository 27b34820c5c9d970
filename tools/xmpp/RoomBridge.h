#pragma once

#include <QString>
#include <gloox/mucroomhandler.h>
#include <memory>

namespace gloox {
class ClientBase;
class MUCRoom;
} // namespace gloox

namespace verbalink::xmpp {

class XmppWorld;

// One group chat (a multi-user chat room) the account is in: joined under the account's nick,
// its occupants handed to the client's core as the chat's members. The room's messages take
// the client's own path from the network, so gloox's copies of them are not used.
class RoomBridge : public gloox::MUCRoomHandler {
public:
    RoomBridge(XmppWorld& world, gloox::ClientBase& client, const QString& roomJid,
               const QString& nick);
    ~RoomBridge() override;

    // Enters the room (again, after a new session).
    void join();
    const QString& jid() const { return m_jid; }

    void handleMUCParticipantPresence(gloox::MUCRoom* room,
                                      const gloox::MUCRoomParticipant participant,
                                      const gloox::Presence& presence) override;
    void handleMUCMessage(gloox::MUCRoom*, const gloox::Message&, bool) override {}
    bool handleMUCRoomCreation(gloox::MUCRoom*) override { return true; }
    void handleMUCSubject(gloox::MUCRoom*, const std::string&, const std::string&) override {}
    void handleMUCInviteDecline(gloox::MUCRoom*, const gloox::JID&, const std::string&) override {}
    void handleMUCError(gloox::MUCRoom*, gloox::StanzaError) override {}
    void handleMUCInfo(gloox::MUCRoom*, int, const std::string&, const gloox::DataForm*) override {}
    void handleMUCItems(gloox::MUCRoom*, const gloox::Disco::ItemList&) override {}

private:
    XmppWorld& m_world;
    QString m_jid;
    QString m_nick;
    std::unique_ptr<gloox::MUCRoom> m_room;
};

} // namespace verbalink::xmpp
