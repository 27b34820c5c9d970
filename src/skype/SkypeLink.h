#pragma once

#include "platform/StopSignal.h"
#include "skype/LinkState.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeHandlers.h"

#include <atomic>
#include <thread>

namespace verbalink {

class Clock;
class MessageBoxPort;

// The attach state machine and the link thread: discovery, keep-alive PING, loss of PONG and
// the refusal box. Each pass of the thread is runPass(), so tests drive passes one by one in
// virtual time; every wait goes through the clock.
class SkypeLink {
public:
    static constexpr int FirstPingPasses = 60;
    static constexpr int PingIntervalPasses = 15;
    static constexpr int DiscoveryPasses = 5;
    static constexpr qint64 PassMs = 1000;
    static constexpr qint64 PongTimeoutMs = 100000;
    static constexpr qint64 UnavailableWaitMs = 5000;

    SkypeLink(SkypeTransport& transport, Clock& clock, MessageBoxPort& boxes, LinkState& state,
              SkypeChannel& channel, const SkypeHandlers& handlers);
    ~SkypeLink();
    SkypeLink(const SkypeLink&) = delete;
    SkypeLink& operator=(const SkypeLink&) = delete;

    // An attach message from an endpoint (main thread).
    void handleAttach(const SkypeEndpoint& from, int status);
    // The endpoint's process is gone (main thread): a restarted client is attached as soon as
    // it is there, without waiting for the loss of PONG.
    void handleGone(const SkypeEndpoint& endpoint);

    // Starts the link thread; true when it runs.
    bool start();
    // Asks the thread to end, wakes it from its wait and joins it.
    void stop();
    bool isRunning() const { return m_running.load(); }

    // What the thread does once on entry, and each pass of its loop.
    void enter();
    void runPass();

private:
    void loop();
    void keepAlive();
    void discoverStep(int state);
    bool postDiscover();
    void reportRefusal();
    void checkPongLoss();
    void waitWhileRunning(qint64 ms);
    void log(const QString& line) const { m_handlers.onLog(line); }

    SkypeTransport& m_transport;
    Clock& m_clock;
    MessageBoxPort& m_boxes;
    LinkState& m_state;
    SkypeChannel& m_channel;
    const SkypeHandlers& m_handlers;

    std::atomic<bool> m_running{false};
    StopSignal m_stop;
    // Only the link thread touches the two count-downs.
    int m_pingCountdown = FirstPingPasses;
    int m_discoveryCountdown = DiscoveryPasses;
    std::thread m_thread;
};

} // namespace verbalink
