#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace verbalink {

static qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 Clock::epochSeconds() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

bool Clock::waitUnlessStopped(qint64 ms, StopSignal& stop)
{
    if (stop.isRaised())
        return false;
    sleepMs(ms);
    return !stop.isRaised();
}

SystemClock::SystemClock() : m_origin(steadyMs()) {}

qint64 SystemClock::nowMs() const
{
    return steadyMs() - m_origin;
}

void SystemClock::sleepMs(qint64 ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool SystemClock::waitUnlessStopped(qint64 ms, StopSignal& stop)
{
    return !stop.waitFor(ms);
}

} // namespace verbalink
