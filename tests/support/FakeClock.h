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
    qint64 totalSleptMs() const { return m_slept.load(); }

private:
    std::atomic<qint64> m_now;
    std::atomic<qint64> m_slept{0};
};

} // namespace verbalink::test
