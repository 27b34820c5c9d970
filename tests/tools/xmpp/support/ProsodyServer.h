#pragma once

#include "TestProcess.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace verbalink::testing {

// What a ProsodyServer offers: accounts, rosters, TLS. The names of scripts/xmpp-server.
struct ProsodyOptions {
    enum class Tls { Off, SelfSigned, CertificateFile };

    // "user:password", created before the server serves.
    QStringList accounts{};
    // Every two accounts in each other's roster, subscribed both ways.
    bool roster = false;
    Tls tls = Tls::Off;
    // PEM files for Tls::CertificateFile.
    QString certificateFile{};
    QString keyFile{};
    QString domain = QStringLiteral("localhost");
    // New rooms show occupants' real JIDs to every occupant, not only to moderators.
    bool mucPublicJids = false;
};

// A private Prosody on loopback for one test, through scripts/xmpp-server: on a free port at the
// first start, then on the same port with the same data (accounts, rosters, offline messages,
// certificate) at every later start. Stopped in the destructor.
class ProsodyServer {
public:
    explicit ProsodyServer(ProsodyOptions options = {});
    ProsodyServer(const ProsodyServer&) = delete;
    ProsodyServer& operator=(const ProsodyServer&) = delete;
    ~ProsodyServer();

    // Returns once the server serves (its ready line), or with the reason it does not.
    bool start(QString& error);
    // Stops it cleanly (sessions closed with a stream end) and waits until it is gone.
    void stop();
    // stop() and start(): the server restarted mid-conversation.
    bool restart(QString& error);
    // Restarts a Tls::SelfSigned server with a new certificate; fingerprint() changes.
    bool replaceCertificate(QString& error);

    bool isRunning() const;
    quint16 port() const { return m_port; }
    QString domain() const { return m_options.domain; }
    // The group chat service, conference.<domain>.
    QString mucDomain() const { return m_muc; }
    // The certificate's SHA-256 fingerprint, colon-separated upper-case hex; empty without TLS.
    QString fingerprint() const { return m_fingerprint; }
    bool tls() const { return m_options.tls != ProsodyOptions::Tls::Off; }
    // user@domain.
    QString jid(const QString& user) const;
    // The password an account was created with; empty for an unknown user.
    QString password(const QString& user) const;
    // Prosody's own process.
    qint64 pid() const { return m_pid; }
    QString folder() const { return m_folder.path(); }
    // Prosody's log and the script's messages, for failure reports.
    QString log() const;

    // scripts/xmpp-server, which starts the server.
    static QString script();

private:
    QStringList arguments(bool newCertificate) const;
    bool launch(bool newCertificate, QString& error);
    bool readReadyLine(QString& error);

    ProsodyOptions m_options;
    QTemporaryDir m_folder;
    std::unique_ptr<TestProcess> m_script;
    quint16 m_port = 0;
    QString m_muc;
    QString m_fingerprint;
    qint64 m_pid = 0;
};

} // namespace verbalink::testing
