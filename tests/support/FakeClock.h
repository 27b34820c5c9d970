#pragma once

#include "platform/Clock.h"

#include <atomic>

namespace verbalink::test {

// Virtual time: sleeping advances the clock at once.
class FakeClock final : public Clock {
public:
    explicit FakeClock(qint64 startMs = 0);
    qint64 nowMs() const override;
    void sleepMs(qint64 ms) override;
    void advance(qint64 ms);
    // The wall clock moves with the virtual one from this start.
    void setEpochSeconds(qint64 seconds) { m_epochBase = seconds - m_now.load() / 1000; }
    qint64 epochSeconds() const override { return m_epochBase + m_now.load() / 1000; }
    qint64 totalSleptMs() const { return m_slept.load(); }

private:
    std::atomic<qint64> m_now;
    std::atomic<qint64> m_slept{0};
    std::atomic<qint64> m_epochBase{1'800'000'000};
};

} // namespace verbalink::test
