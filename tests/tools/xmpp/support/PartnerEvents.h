#pragma once

#include <QJsonObject>
#include <QString>

namespace verbalink::testing {

// What an XmppPartner saw, as its script reported it. Addresses are as on the wire: a chat
// message comes from the full JID, a room message from room@service/nick.

struct PartnerMessage {
    QString from;
    QString to;
    // "chat", "groupchat", "normal", "headline".
    QString type;
    QString id;
    QString body;
    // The xml:lang of the message (or of its body). Prosody gives every message without one the
    // language of its sender's stream, so a message that names none arrives with the sender's.
    QString lang;
    // The id of the message this one corrects; empty for an ordinary message.
    QString replaces;
    bool receiptRequested = false;
    // Room history replayed at joining, or an offline message.
    bool delayed = false;

    static PartnerMessage fromJson(const QJsonObject& event);
};

// A delivery receipt: the message `id` reached `from`.
struct PartnerReceipt {
    QString from;
    QString id;

    static PartnerReceipt fromJson(const QJsonObject& event);
};

// An occupant of a room joining (or changing its presence) or leaving.
struct PartnerOccupant {
    QString room;
    QString nick;
    // The occupant's real full JID when the room shows it to this partner, else empty.
    QString jid;
    QString affiliation;
    bool joined = false;
    // The partner's own presence in the room.
    bool own = false;

    static PartnerOccupant fromJson(const QJsonObject& event);
};

} // namespace verbalink::testing
