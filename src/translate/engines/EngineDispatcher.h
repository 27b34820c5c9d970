#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineResult.h"
#include "translate/languages/TranslatorId.h"
#include "translate/net/ServiceHosts.h"

namespace verbalink {

class Clock;
class ServiceConnections;

// Runs one outgoing translation on the selected engine over its service connection, with the
// proxy line the connections currently carry: (text, source, target) in, the translation out.
// Used by the outgoing worker only, one call at a time, as the service connections are shared.
class EngineDispatcher {
public:
    EngineDispatcher(ServiceConnections& connections, ServiceHosts hosts, Clock& clock);

    // A value outside the six engines is Google.
    EngineResult translate(TranslatorId translator, const EngineCall& call);

private:
    ServiceConnections& m_connections;
    ServiceHosts m_hosts;
    EngineExchange m_exchange;
};

} // namespace verbalink
