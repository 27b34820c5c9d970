#pragma once

#include <QString>

namespace verbalink::xmpp {

// Whether to go on with a server's certificate: one the system trusts for the server, or one
// whose SHA-256 fingerprint the user pinned. Anything else is refused; a pinned certificate
// that changed is refused like any other.
class CertificateTrust {
public:
    enum class Verdict { Trusted, Pinned, Refused };

    static Verdict decide(bool systemTrusted, const QString& fingerprint, const QString& pinned);
    // Lower-case hex without separators ("AB:CD:..." and "abcd..." are the same); empty when
    // the text is not a SHA-256 fingerprint.
    static QString normalized(const QString& fingerprint);
    // "ab:cd:..." for people to compare.
    static QString readable(const QString& fingerprint);
};

} // namespace verbalink::xmpp
