#pragma once

#include <QString>

namespace verbalink::xmpp {

// One message as it goes to the network.
struct OutgoingMessage {
    QString to; // a bare JID, or a room
    bool toRoom = false;
    QString body;
    // The language the body is written in (xml:lang); empty when not known.
    QString lang;
    // The stanza id of the message this one corrects; empty for a new message.
    QString replaces;
};

// The XMPP account as the client's core sees it: the real one over gloox, or a fake in tests.
class XmppLink {
public:
    virtual ~XmppLink() = default;

    // Sends at once; returns the stanza id the message went out with.
    virtual QString send(const OutgoingMessage& message) = 0;
    // Whether the partner's client said it understands corrections of the last message.
    virtual bool supportsCorrection(const QString& bareJid) const = 0;
};

} // namespace verbalink::xmpp
