#pragma once

#include <QString>

namespace verbalink::xmpp {

// A chat message from the network, read and checked: addresses valid, body within bounds.
struct IncomingMessage {
    enum class Kind { Chat, Group };

    Kind kind = Kind::Chat;
    // Bare JID of a one-to-one partner, or the room of a group chat message.
    QString from;
    // The occupant's nick in the room (the resource); empty for a one-to-one message.
    QString nick;
    QString body;
    // The language the body is written in, as the stanza says; may be empty.
    QString lang;
    QString stanzaId;
    // The id of the message this one corrects; empty when it corrects none.
    QString replaces;
    // The user's own message sent from another device (a carbon copy).
    bool ownFromOtherDevice = false;
};

} // namespace verbalink::xmpp
