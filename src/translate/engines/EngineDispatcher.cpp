#include "translate/engines/EngineDispatcher.h"

#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineWire.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"
#include "translate/net/ServiceConnections.h"

#include <utility>

namespace verbalink {

EngineDispatcher::EngineDispatcher(ServiceConnections& connections, ServiceHosts hosts,
                                   Clock& clock)
    : m_connections(connections), m_hosts(std::move(hosts)), m_exchange(clock)
{}

EngineResult EngineDispatcher::translate(TranslatorId translator, const EngineCall& call)
{
    // Too long for any request: the message stays as typed.
    if (!EngineWire::fits(call.text, EngineWire::TextCapacity))
        return EngineResult::failed();
    const QByteArray proxyLine = m_connections.proxyAuthorizationLine();
    auto context = [&](Service service, const QByteArray& host) {
        return EngineContext{m_connections.connection(service), m_exchange, host, proxyLine};
    };
    switch (translator) {
    case TranslatorId::Google:
        break;
    case TranslatorId::Yahoo:
        return YahooEngine::translate(context(Service::Yahoo, m_hosts.yahoo), call);
    case TranslatorId::Bing:
        return BingEngine::translate(context(Service::Bing, m_hosts.bing), call);
    case TranslatorId::Babylon:
        return BabylonEngine::translate(context(Service::Babylon, m_hosts.babylon), call);
    case TranslatorId::SysTran:
        return SysTranEngine::translate(context(Service::SysTran, m_hosts.sysTran), call);
    case TranslatorId::Promt:
        return PromtEngine::translate(context(Service::Promt, m_hosts.promt), call);
    }
    // Google's connection is bound to the search host; its request names the translate host.
    return GoogleEngine::translate(context(Service::Google, m_hosts.googleTranslate), call);
}

} // namespace verbalink
