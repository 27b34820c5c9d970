#include "langtools/SpeechQueue.h"

namespace verbalink {

bool SpeechQueue::push(SpeechRequest request)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed || m_requests.size() >= m_capacity)
            return false;
        m_requests.push_back(std::move(request));
    }
    m_changed.notify_all();
    return true;
}

std::optional<SpeechRequest> SpeechQueue::take()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closed || !m_requests.empty(); });
    if (m_closed)
        return std::nullopt;
    SpeechRequest request = std::move(m_requests.front());
    m_requests.pop_front();
    m_busy = true;
    return request;
}

void SpeechQueue::done()
{
    {
        std::lock_guard lock(m_mutex);
        m_busy = false;
    }
    m_changed.notify_all();
}

void SpeechQueue::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_requests.clear();
    }
    m_changed.notify_all();
}

void SpeechQueue::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closed || (m_requests.empty() && !m_busy); });
}

} // namespace verbalink
