#include "FakeClock.h"

namespace verbalink::test {

FakeClock::FakeClock(qint64 startMs) : m_now(startMs) {}

qint64 FakeClock::nowMs() const
{
    return m_now.load();
}

void FakeClock::sleepMs(qint64 ms)
{
    if (ms <= 0)
        return;
    m_slept.fetch_add(ms);
    m_now.fetch_add(ms);
}

void FakeClock::advance(qint64 ms)
{
    m_now.fetch_add(ms);
}

} // namespace verbalink::test
