#pragma once

#include "XmppAccount.h"
#include "XmppLink.h"

#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <gloox/connectionlistener.h>
#include <gloox/loghandler.h>
#include <memory>
#include <vector>

namespace gloox {
class Tag;
class VCardManager;
} // namespace gloox

namespace verbalink::xmpp {

class CorrectionSupport;
class HandedSocketConnection;
class PeerCertificateTls;
class RoomBridge;
class RosterBridge;
class StanzaTapClient;
class XmppWorld;

// The XMPP account on the Qt event loop: gloox reads its socket when a QSocketNotifier says
// there is data (recv(0)); DNS and connect run on a worker thread and hand gloox a connected
// socket. A lost connection is tried again after 1 s, doubling up to 60 s; stream management
// resumes the session where the server allows, and what it did not acknowledge is sent again
// when it does not. TLS is required (unless allowed off for a loopback server) and the server's
// certificate must be one the system trusts or the pinned one.
class XmppConnection : public QObject,
                       public XmppLink,
                       public gloox::ConnectionListener,
                       public gloox::LogHandler {
    Q_OBJECT

public:
    XmppConnection(XmppAccount account, QString password, QString language,
                   QObject* parent = nullptr);
    ~XmppConnection() override;

    // The client's core the account reports to; set before start.
    void setWorld(XmppWorld& world);
    void start();
    void setVerbose(bool on) { m_verbose = on; }
    bool isOnline() const { return m_online; }

    QString send(const OutgoingMessage& message) override;
    bool supportsCorrection(const QString& bareJid) const override;

    void onConnect() override;
    void onDisconnect(gloox::ConnectionError error) override;
    bool onTLSConnect(const gloox::CertInfo& info) override;
    void onStreamEvent(gloox::StreamEvent event) override;
    void handleLog(gloox::LogLevel level, gloox::LogArea area, const std::string& message) override;

Q_SIGNALS:
    // For the window's status line: "Connecting…", "Online", "Connection lost …".
    void statusChanged(const QString& text);
    void onlineChanged(bool online);
    // The server showed a certificate that is neither trusted nor pinned; its SHA-256.
    void certificateRefused(const QString& fingerprint);

private:
    struct Unacknowledged {
        QString stanzaId;
        int sequence = 0; // the stanza's number in the stream (stream management)
        OutgoingMessage message;
    };

    void makeClient();
    void dropClient();
    void attachWorld();
    void dial();
    void dialed(int socket, const QString& error);
    void readSocket();
    void sessionStarted(bool resumed);
    void tapped(const gloox::Tag& tag);
    void acknowledgedUpTo(int handled);
    void photoAnnounced(const gloox::Tag& presence);
    void retryLater(const QString& why);
    void joinRooms();
    QString transmit(const OutgoingMessage& message, const QString& stanzaId);
    void answerReceipt(const gloox::Tag& stanza);
    void report(const QString& line) const;

    XmppAccount m_account;
    QString m_password;
    QString m_language;
    XmppWorld* m_world = nullptr;
    std::unique_ptr<StanzaTapClient> m_client;
    HandedSocketConnection* m_connection = nullptr; // owned by the client
    PeerCertificateTls* m_tls = nullptr;            // owned by the client
    std::unique_ptr<gloox::VCardManager> m_cards;
    std::unique_ptr<CorrectionSupport> m_corrections;
    std::unique_ptr<RosterBridge> m_roster;
    std::vector<std::unique_ptr<RoomBridge>> m_rooms;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_retry;
    int m_backoffMs = 1000;
    bool m_dialing = false;
    bool m_online = false;
    bool m_refused = false;
    bool m_renew = false;
    bool m_streamManaged = false;
    bool m_verbose = false;
    QList<Unacknowledged> m_unacknowledged;
    int m_nextId = 1;
};

} // namespace verbalink::xmpp
