#pragma once

#include <QString>

namespace verbalink::testing {

class ProsodyServer;

// How an XmppPartner logs in.
struct PartnerLogin {
    QString jid{};
    QString password{};
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 0;
    // STARTTLS required; without it the partner never starts TLS.
    bool tls = false;
    // The server certificate's SHA-256 fingerprint (hex, any case, colons optional), or "any" to
    // take any certificate; empty: the system's certificate authorities decide.
    QString fingerprint{};
    // After a lost connection, connect again until the server is back (rooms are not rejoined).
    bool reconnect = false;
    // Advertise urn:xmpp:message-correct:0 in disco#info.
    bool advertiseCorrections = true;
    // Advertise urn:xmpp:receipts and answer receipt requests.
    bool answerReceipts = true;
    // The stream's xml:lang, which Prosody puts on messages that carry none; empty: "en".
    QString streamLang{};

    // An account of `server` by its user name, with the server's address, TLS and fingerprint.
    static PartnerLogin to(const ProsodyServer& server, const QString& user);
};

} // namespace verbalink::testing
