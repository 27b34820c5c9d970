#include "skype/MessageWorker.h"

#include "skype/OutgoingJobRunner.h"

namespace verbalink {

MessageWorker::MessageWorker(OutgoingJobQueue& queue, const ServiceSlot<OutgoingJobRunner>& runner)
    : m_queue(queue), m_runner(runner)
{}

MessageWorker::~MessageWorker()
{
    stop();
}

void MessageWorker::start()
{
    std::lock_guard lock(m_threadMutex);
    if (m_thread.joinable())
        return;
    m_queue.reopen();
    m_thread = std::thread([this] { loop(); });
}

void MessageWorker::stop()
{
    std::lock_guard lock(m_threadMutex);
    if (!m_thread.joinable())
        return;
    m_queue.close();
    m_thread.join();
}

bool MessageWorker::isRunning() const
{
    std::lock_guard lock(m_threadMutex);
    return m_thread.joinable();
}

void MessageWorker::loop()
{
    while (const std::optional<OutgoingJob> job = m_queue.take()) {
        // Without a runner there is no outgoing flow: the message stays as typed.
        if (const std::shared_ptr<OutgoingJobRunner> runner = m_runner.get())
            runner->run(*job);
    }
}

} // namespace verbalink
