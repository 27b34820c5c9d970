#include "SimCallRouter.h"

#include "ApiBusService.h"
#include "SimCallAudio.h"
#include "SimCalls.h"

namespace verbalink::sim {

SimCallRouter::SimCallRouter(SimCalls& calls, desktopapi::ApiBusService& service, QObject* parent)
    : QObject(parent), m_calls(calls), m_service(service)
{
    m_calls.addListener([this](const SimCallEvent& event) { follow(event); });
}

SimCallRouter::~SimCallRouter() = default;

void SimCallRouter::follow(const SimCallEvent& event)
{
    using Kind = SimCallEvent::Kind;
    if (event.kind == Kind::Started) {
        start(event);
        return;
    }
    const auto active = m_active.find(event.call.id);
    if (active == m_active.end())
        return;
    switch (event.kind) {
    case Kind::Routed:
        active->second.audio->route(event.stream, event.port, m_calls.inputFile());
        return;
    case Kind::Unrouted:
        active->second.audio->unroute(event.stream);
        return;
    case Kind::Ended:
        m_active.erase(active);
        return;
    case Kind::Started:
        return;
    }
}

void SimCallRouter::start(const SimCallEvent& event)
{
    const QString id = event.call.id;
    Active active{std::make_unique<SimCallAudio>(event.call), std::make_unique<QTimer>()};
    active.clock->setInterval(1000);
    connect(active.clock.get(), &QTimer::timeout, this, [this, id] { tick(id); });
    active.clock->start();
    m_active[id] = std::move(active);
}

void SimCallRouter::tick(const QString& id)
{
    const QString line = m_calls.tick(id);
    // Without a client the pulse has nobody to go to, which is no fault of the script.
    if (!line.isEmpty())
        m_service.notifyClient(line);
}

} // namespace verbalink::sim
