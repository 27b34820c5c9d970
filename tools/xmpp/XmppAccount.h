#pragma once

#include <QString>
#include <QStringList>

namespace verbalink::xmpp {

// One XMPP account as the client uses it; the password is never stored with it.
struct XmppAccount {
    QString jid; // bare
    // "host:port" of the server; empty to find it from the JID's domain (DNS SRV records).
    QString server;
    // Connect without TLS; only for a server on the loopback interface.
    bool allowPlain = false;
    // The pinned SHA-256 fingerprint of a certificate the system does not trust.
    QString trustedFingerprint;
    // Rooms (group chats) joined after connecting, "room@service" each.
    QStringList rooms;
    // The nick in those rooms; the JID's local part when empty.
    QString nick;

    QString host() const;
    // 5222 when no port is given; 0 when the server text holds a bad one.
    int port() const;
    QString roomNick() const;
    // A server entry (or the JID's domain) that names this machine.
    bool serverIsLoopback() const;
    // What is wrong with the account as given; empty when it can be used.
    QString problem() const;
};

} // namespace verbalink::xmpp
