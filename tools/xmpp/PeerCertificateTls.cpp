#include "PeerCertificateTls.h"

#include <cerrno>
#include <cstring>
#include <gloox/tlshandler.h>
#include <gnutls/x509.h>
#include <utility>

namespace verbalink::xmpp {

PeerCertificateTls::PeerCertificateTls(gloox::TLSHandler* handler, const std::string& server)
    : gloox::TLSBase(handler, server)
{}

PeerCertificateTls::~PeerCertificateTls()
{
    release();
}

bool PeerCertificateTls::init(const std::string&, const std::string&, const gloox::StringList&)
{
    if (m_valid)
        return true;
    if (gnutls_certificate_allocate_credentials(&m_credentials) != GNUTLS_E_SUCCESS)
        return false;
    gnutls_certificate_set_x509_system_trust(m_credentials);
    for (const std::string& file : m_cacerts)
        gnutls_certificate_set_x509_trust_file(m_credentials, file.c_str(), GNUTLS_X509_FMT_PEM);
    if (gnutls_init(&m_session, GNUTLS_CLIENT) != GNUTLS_E_SUCCESS)
        return false;
    gnutls_set_default_priority(m_session);
    gnutls_credentials_set(m_session, GNUTLS_CRD_CERTIFICATE, m_credentials);
    gnutls_server_name_set(m_session, GNUTLS_NAME_DNS, m_server.data(), m_server.size());
    gnutls_transport_set_ptr(m_session, this);
    gnutls_transport_set_pull_function(m_session, &PeerCertificateTls::pull);
    gnutls_transport_set_push_function(m_session, &PeerCertificateTls::push);
    // Without it GnuTLS would take the transport pointer for a socket to wait on.
    gnutls_transport_set_pull_timeout_function(m_session, &PeerCertificateTls::pending);
    m_valid = true;
    return true;
}

bool PeerCertificateTls::encrypt(const std::string& data)
{
    if (!m_secure) {
        handshake();
        return true;
    }
    const unsigned generation = m_generation;
    for (size_t sent = 0; sent < data.size();) {
        const ssize_t written = guarded(
            [&] { return gnutls_record_send(m_session, data.data() + sent, data.size() - sent); });
        if (generation != m_generation)
            return false;
        if (written == GNUTLS_E_AGAIN || written == GNUTLS_E_INTERRUPTED)
            continue;
        if (written < 0)
            return false;
        sent += size_t(written);
    }
    return true;
}

int PeerCertificateTls::decrypt(const std::string& data)
{
    m_incoming += data;
    if (!m_secure)
        handshake();
    else
        drainRecords();
    return int(data.size());
}

// gloox cleans up after every connection and uses the object again for the next one.
void PeerCertificateTls::cleanup()
{
    if (m_depth > 0) {
        m_cleanupPending = true;
        return;
    }
    release();
    // One asked for from within the goodbye is this one.
    m_cleanupPending = false;
    init();
}

void PeerCertificateTls::release()
{
    gnutls_session_t session = std::exchange(m_session, nullptr);
    gnutls_certificate_credentials_t credentials = std::exchange(m_credentials, nullptr);
    const bool secure = std::exchange(m_secure, false);
    m_incoming.clear();
    m_valid = false;
    ++m_generation;
    if (session) {
        if (secure) {
            ++m_depth;
            gnutls_bye(session, GNUTLS_SHUT_WR);
            --m_depth;
        }
        gnutls_deinit(session);
    }
    if (credentials)
        gnutls_certificate_free_credentials(credentials);
}

bool PeerCertificateTls::handshake()
{
    if (!m_valid || !m_handler)
        return false;
    const unsigned generation = m_generation;
    const int result = guarded([this] { return gnutls_handshake(m_session); });
    if (generation != m_generation)
        return false;
    if (result == GNUTLS_E_AGAIN || result == GNUTLS_E_INTERRUPTED)
        return true;
    if (result != GNUTLS_E_SUCCESS) {
        m_certInfo.status = gloox::CertInvalid;
        m_handler->handleHandshakeResult(this, false, m_certInfo);
        return false;
    }
    m_secure = true;
    readPeer();
    m_handler->handleHandshakeResult(this, true, m_certInfo);
    // A refused certificate cleans this object up from within that call.
    if (!m_secure)
        return false;
    // Records that came with the end of the handshake.
    drainRecords();
    return true;
}

ssize_t PeerCertificateTls::pull(gnutls_transport_ptr_t self, void* data, size_t size)
{
    auto* tls = static_cast<PeerCertificateTls*>(self);
    if (tls->m_incoming.empty()) {
        if (tls->m_session)
            gnutls_transport_set_errno(tls->m_session, EAGAIN);
        return -1;
    }
    const size_t taken = std::min(size, tls->m_incoming.size());
    std::memcpy(data, tls->m_incoming.data(), taken);
    tls->m_incoming.erase(0, taken);
    return ssize_t(taken);
}

int PeerCertificateTls::pending(gnutls_transport_ptr_t self, unsigned int)
{
    return static_cast<PeerCertificateTls*>(self)->m_incoming.empty() ? 0 : 1;
}

ssize_t PeerCertificateTls::push(gnutls_transport_ptr_t self, const void* data, size_t size)
{
    auto* tls = static_cast<PeerCertificateTls*>(self);
    if (tls->m_handler)
        tls->m_handler->handleEncryptedData(tls, std::string(static_cast<const char*>(data), size));
    return ssize_t(size);
}

void PeerCertificateTls::readPeer()
{
    m_certInfo = {};
    m_certInfo.status = gloox::CertOk;
    m_certInfo.server = m_server;
    unsigned int status = 0;
    const bool verified =
        gnutls_certificate_verify_peers3(m_session, m_server.c_str(), &status) == GNUTLS_E_SUCCESS;
    m_systemTrusted = verified && status == 0;
    m_certInfo.chain = m_systemTrusted;
    if (!m_systemTrusted)
        m_certInfo.status |= (status & GNUTLS_CERT_UNEXPECTED_OWNER) ? gloox::CertWrongPeer
                                                                     : gloox::CertSignerUnknown;
    if (const char* protocol = gnutls_protocol_get_name(gnutls_protocol_get_version(m_session)))
        m_certInfo.protocol = protocol;
    unsigned int count = 0;
    const gnutls_datum_t* chain = gnutls_certificate_get_peers(m_session, &count);
    m_fingerprint.clear();
    if (!chain || count == 0)
        return;
    unsigned char digest[32];
    size_t digestSize = sizeof digest;
    if (gnutls_fingerprint(GNUTLS_DIG_SHA256, &chain[0], digest, &digestSize) == GNUTLS_E_SUCCESS)
        m_fingerprint = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(digest), qsizetype(digestSize)).toHex());
}

void PeerCertificateTls::drainRecords()
{
    char buffer[16384];
    const unsigned generation = m_generation;
    for (;;) {
        const ssize_t read =
            guarded([&] { return gnutls_record_recv(m_session, buffer, sizeof buffer); });
        if (generation != m_generation)
            return;
        if (read > 0) {
            m_handler->handleDecryptedData(this, std::string(buffer, size_t(read)));
            // The data may have ended the connection.
            if (generation != m_generation)
                return;
            continue;
        }
        // A record without application data (a session ticket) ends a call too; go on while
        // there are more records.
        if (read == GNUTLS_E_INTERRUPTED || (read == GNUTLS_E_AGAIN && !m_incoming.empty()))
            continue;
        return;
    }
}

} // namespace verbalink::xmpp
