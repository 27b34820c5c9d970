#include "platform/StopSignal.h"

#include <chrono>

namespace verbalink {

void StopSignal::raise()
{
    {
        std::lock_guard lock(m_mutex);
        m_isRaised = true;
    }
    m_raised.notify_all();
}

void StopSignal::reset()
{
    std::lock_guard lock(m_mutex);
    m_isRaised = false;
}

bool StopSignal::isRaised() const
{
    std::lock_guard lock(m_mutex);
    return m_isRaised;
}

bool StopSignal::waitFor(qint64 ms)
{
    std::unique_lock lock(m_mutex);
    return m_raised.wait_for(lock, std::chrono::milliseconds(std::max<qint64>(ms, 0)),
                             [this] { return m_isRaised; });
}

} // namespace verbalink
