#include "platform/WorkerThreads.h"

namespace verbalink {

WorkerThreads::~WorkerThreads()
{
    waitForAll();
}

bool WorkerThreads::start(std::function<void()> work)
{
    std::list<Worker> finished;
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped)
            return false;
        for (auto it = m_workers.begin(); it != m_workers.end();) {
            const auto next = std::next(it);
            if (*it->done)
                finished.splice(finished.end(), m_workers, it);
            it = next;
        }
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::thread thread([work = std::move(work), done] {
            work();
            *done = true;
        });
        m_workers.push_back({std::move(thread), std::move(done)});
    }
    // Joined outside the lock: an ended thread's join is immediate, but never under it.
    for (Worker& worker : finished)
        worker.thread.join();
    return true;
}

void WorkerThreads::waitForAll()
{
    std::list<Worker> running;
    {
        std::lock_guard lock(m_mutex);
        running.swap(m_workers);
    }
    for (Worker& worker : running)
        worker.thread.join();
}

void WorkerThreads::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    waitForAll();
}

qsizetype WorkerThreads::held() const
{
    std::lock_guard lock(m_mutex);
    return qsizetype(m_workers.size());
}

} // namespace verbalink
