#pragma once

#include "translate/EngineCall.h"
#include "translate/EngineExchange.h"
#include "translate/EngineHosts.h"
#include "translate/EngineResult.h"
#include "translate/EngineTargetRule.h"
#include "translate/TranslatorId.h"

namespace verbalink {

class Clock;
class ServiceConnections;

// Runs one outgoing translation on the selected engine over its service connection, with the
// proxy line the connections currently carry. Used by the outgoing worker only, one call at a
// time, as the service connections are shared.
class EngineDispatcher {
public:
    // The language sources may be null (see EngineTargetRule).
    EngineDispatcher(ServiceConnections& connections, EngineHosts hosts, Clock& clock,
                     PartnerLanguageSource* partner, PerUserLanguageSource* perUser);

    // `languages` are the selected engine's choices. A value outside the six engines is Google.
    EngineResult translate(TranslatorId translator, const EngineCall& call,
                           const EngineLanguages& languages);

private:
    ServiceConnections& m_connections;
    EngineHosts m_hosts;
    EngineExchange m_exchange;
    EngineTargetRule m_rule;
};

} // namespace verbalink
