#pragma once

#include <QString>
#include <gloox/tlsbase.h>
#include <gnutls/gnutls.h>
#include <string>

namespace verbalink::xmpp {

// gloox's TLS over GnuTLS, written for the client because gloox's own does not say which
// certificate the server showed: this one keeps the SHA-256 fingerprint of the peer's
// certificate and checks it against the system's trust store and the server's name, so the
// account can pin a self-signed certificate by its fingerprint.
class PeerCertificateTls : public gloox::TLSBase {
public:
    PeerCertificateTls(gloox::TLSHandler* handler, const std::string& server);
    ~PeerCertificateTls() override;
    PeerCertificateTls(const PeerCertificateTls&) = delete;
    PeerCertificateTls& operator=(const PeerCertificateTls&) = delete;

    bool init(const std::string& clientKey = gloox::EmptyString,
              const std::string& clientCerts = gloox::EmptyString,
              const gloox::StringList& cacerts = gloox::StringList()) override;
    bool encrypt(const std::string& data) override;
    int decrypt(const std::string& data) override;
    void cleanup() override;
    bool handshake() override;
    void setCACerts(const gloox::StringList& cacerts) override { m_cacerts = cacerts; }
    void setClientCert(const std::string&, const std::string&) override {}

    // Lower-case hex of the SHA-256 of the peer's certificate (DER); empty before a handshake.
    QString peerFingerprint() const { return m_fingerprint; }
    // The system trusts the certificate and it was issued for the server.
    bool systemTrusted() const { return m_systemTrusted; }

private:
    static ssize_t pull(gnutls_transport_ptr_t self, void* data, size_t size);
    static int pending(gnutls_transport_ptr_t self, unsigned int ms);
    static ssize_t push(gnutls_transport_ptr_t self, const void* data, size_t size);
    void release();
    void readPeer();
    void drainRecords();
    // Runs a GnuTLS call that may push data out. gloox cleans up from within the push when the
    // socket fails, and freeing the session under a running GnuTLS call crashes: a cleanup asked
    // for meanwhile happens once the call returned.
    template <typename Call>
    auto guarded(Call call)
    {
        ++m_depth;
        const auto result = call();
        if (--m_depth == 0 && m_cleanupPending)
            cleanup();
        return result;
    }

    gnutls_session_t m_session = nullptr;
    gnutls_certificate_credentials_t m_credentials = nullptr;
    // Ciphertext from the network that GnuTLS has not taken yet.
    std::string m_incoming;
    QString m_fingerprint;
    bool m_systemTrusted = false;
    int m_depth = 0;
    bool m_cleanupPending = false;
    // Counts the sessions released, so a caller sees that its session ended under it.
    unsigned m_generation = 0;
};

} // namespace verbalink::xmpp
