#pragma once

#include "SrvTargets.h"

namespace verbalink::xmpp {

// The blocking DNS query for a domain's _xmpp-client._tcp SRV records, for a worker thread. The
// system's resolver, or the one named by VERBALINK_XMPP_DNS ("address:port", IPv4) when set,
// which tests use to answer from a server of their own.
class SrvLookup {
public:
    static QList<SrvTargets::Record> lookup(const QString& domain);
};

} // namespace verbalink::xmpp
