#include "skype/SkypeLink.h"

#include "platform/Clock.h"
#include "platform/MessageBoxPort.h"

#include <algorithm>

namespace verbalink {

SkypeLink::SkypeLink(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes,
                     LinkState& state, SkypeChannel& channel, const SkypeHandlers& handlers)
    : m_transport(transport), m_clock(clock), m_boxes(boxes), m_state(state), m_channel(channel),
      m_handlers(handlers)
{}

SkypeLink::~SkypeLink()
{
    stop();
}

void SkypeLink::handleAttach(const SkypeEndpoint& from, int status)
{
    switch (status) {
    case AttachSuccess:
        // A success without an endpoint names nobody to talk to.
        if (from.isEmpty())
            return;
        m_state.attach(from);
        m_channel.sendCommand(QByteArrayLiteral("PROTOCOL 8"), from);
        m_channel.sendCommand(QByteArrayLiteral("CREATE APPLICATION Verbalink"), from);
        m_channel.sendCommand(QByteArrayLiteral("GET CURRENTUSERHANDLE"), from);
        m_channel.sendCommand(QByteArrayLiteral("GET UI_LANGUAGE"), from);
        return;
    case AttachPendingAuthorization:
        log(QStringLiteral("Pending authorization"));
        m_state.setAttachState(StatePendingAuthorization);
        return;
    case AttachRefused:
        log(QStringLiteral("Connection refused"));
        m_state.setAttachState(StateRefused);
        return;
    case AttachNotAvailable:
        log(QStringLiteral("Skype API not available"));
        m_state.setAttachState(StateApiNotAvailable);
        return;
    case AttachApiAvailable:
        log(QStringLiteral("Try connect now (API available)"));
        m_state.setAttachState(StateApiAvailable);
        return;
    default:
        return;
    }
}

void SkypeLink::handleGone(const SkypeEndpoint& endpoint)
{
    if (endpoint.isEmpty())
        return;
    log(QStringLiteral("Skype API gone"));
    m_state.forget(endpoint);
}

bool SkypeLink::start()
{
    if (m_thread.joinable())
        return true;
    // Entered here, not on the thread, so a stop() right after start() is never missed.
    enter();
    m_thread = std::thread([this] { loop(); });
    return true;
}

void SkypeLink::stop()
{
    if (!m_thread.joinable()) {
        m_running.store(false);
        return;
    }
    m_running.store(false);
    m_stop.raise();
    m_thread.join();
}

void SkypeLink::enter()
{
    m_state.setLastPongMs(m_clock.nowMs());
    m_running.store(true);
    m_stop.reset();
    m_state.setAttachState(StateNotAttached);
    m_pingCountdown = FirstPingPasses;
    m_discoveryCountdown = DiscoveryPasses;
}

void SkypeLink::loop()
{
    while (m_running.load())
        runPass();
}

void SkypeLink::runPass()
{
    const int state = m_state.attachState();
    if (m_state.hasEndpoints() || state >= StateRefusalReported)
        keepAlive();
    else
        discoverStep(state);
    waitWhileRunning(PassMs);
    checkPongLoss();
}

void SkypeLink::keepAlive()
{
    if (m_state.attachState() == StateAttached && --m_pingCountdown <= 0) {
        m_pingCountdown = PingIntervalPasses;
        m_channel.sendToAll(QByteArrayLiteral("PING"));
    }
    if (m_running.load())
        m_handlers.onPurgeRecords();
}

void SkypeLink::discoverStep(int state)
{
    switch (state) {
    case StateNotAttached:
        log(QStringLiteral("SkypeControlAPIDiscover"));
        if (!postDiscover()) {
            log(QStringLiteral("ERROR - SkypeControlAPIDiscover"));
            return;
        }
        // An attach reply may already have moved the state on.
        m_state.changeAttachState(StateNotAttached, StateDiscovering);
        log(QStringLiteral("OK - SkypeControlAPIDiscover"));
        return;
    case StateDiscovering:
        log(QStringLiteral("glConnectStatusCounter"));
        if (--m_discoveryCountdown <= 0)
            m_state.changeAttachState(StateDiscovering, StateNotAttached);
        return;
    case StateRefused:
        reportRefusal();
        return;
    case StateApiNotAvailable:
        waitWhileRunning(UnavailableWaitMs);
        if (m_running.load())
            postDiscover();
        return;
    case StateApiAvailable:
        postDiscover();
        return;
    default:
        // Pending authorization: the user decides in the client.
        return;
    }
}

bool SkypeLink::postDiscover()
{
    if (!m_transport.postDiscover())
        return false;
    m_discoveryCountdown = DiscoveryPasses;
    return true;
}

void SkypeLink::reportRefusal()
{
    m_boxes.showMessage(
        QStringLiteral("Cannot connect to Skype.\nTo be able to translate your messages Verbalink "
                       "requires access to your Skype.\n Please, allow it from your Skype "
                       "settings and restart Verbalink!"),
        QStringLiteral("Access denied"));
    // The user may have changed their mind while the box was open; keep the newer state.
    m_state.changeAttachState(StateRefused, StateRefusalReported);
}

void SkypeLink::checkPongLoss()
{
    const qint64 now = m_clock.nowMs();
    if (now - m_state.lastPongMs() <= PongTimeoutMs)
        return;
    log(QStringLiteral("PONG is missing..."));
    m_state.setLastPongMs(now);
    m_state.reset();
}

void SkypeLink::waitWhileRunning(qint64 ms)
{
    // One wait, which stop() ends at once: an idle link wakes once a pass.
    if (m_running.load())
        m_clock.waitUnlessStopped(ms, m_stop);
}

} // namespace verbalink
