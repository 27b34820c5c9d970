#include "skype/OutgoingJobQueue.h"

#include <utility>

namespace verbalink {

void OutgoingJobQueue::push(OutgoingJob job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.append(std::move(job));
    }
    m_changed.notify_one();
}

std::optional<OutgoingJob> OutgoingJobQueue::take()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closed || !m_jobs.isEmpty(); });
    if (m_closed)
        return std::nullopt;
    return m_jobs.takeFirst();
}

void OutgoingJobQueue::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
}

void OutgoingJobQueue::reopen()
{
    std::lock_guard lock(m_mutex);
    m_closed = false;
}

QList<OutgoingJob> OutgoingJobQueue::jobs() const
{
    std::lock_guard lock(m_mutex);
    return m_jobs;
}

} // namespace verbalink
