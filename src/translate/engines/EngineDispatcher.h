#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineResult.h"
#include "translate/engines/EngineTargetRule.h"
#include "translate/languages/TranslatorId.h"
#include "translate/net/ServiceHosts.h"

namespace verbalink {

class Clock;
class ServiceConnections;

// Runs one outgoing translation on the selected engine over its service connection, with the
// proxy line the connections currently carry. Used by the outgoing worker only, one call at a
// time, as the service connections are shared.
class EngineDispatcher {
public:
    // The language sources may be null (see EngineTargetRule).
    EngineDispatcher(ServiceConnections& connections, ServiceHosts hosts, Clock& clock,
                     PartnerLanguageSource* partner, PerUserLanguageSource* perUser);

    // `languages` are the selected engine's choices. A value outside the six engines is Google.
    EngineResult translate(TranslatorId translator, const EngineCall& call,
                           const EngineLanguages& languages);

private:
    ServiceConnections& m_connections;
    ServiceHosts m_hosts;
    EngineExchange m_exchange;
    EngineTargetRule m_rule;
};

} // namespace verbalink
