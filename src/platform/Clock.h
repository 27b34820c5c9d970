#pragma once

#include "platform/StopSignal.h"

#include <QtGlobal>

namespace verbalink {

// Time and sleeping, so that rules counted in seconds (keep-alive, link loss, update
// interval) can run in virtual time under test.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic process clock.
    virtual qint64 nowMs() const = 0;
    virtual void sleepMs(qint64 ms) = 0;
    // Seconds since 1970-01-01 UTC, for times that are stored.
    virtual qint64 epochSeconds() const;
    // Sleeps ms or until the signal is raised; false when it was. Virtual time just advances.
    virtual bool waitUnlessStopped(qint64 ms, StopSignal& stop);
};

// The real clock: steady time since the object was made, real sleeps.
class SystemClock final : public Clock {
public:
    SystemClock();
    qint64 nowMs() const override;
    void sleepMs(qint64 ms) override;
    bool waitUnlessStopped(qint64 ms, StopSignal& stop) override;

private:
    qint64 m_origin;
};

} // namespace verbalink
