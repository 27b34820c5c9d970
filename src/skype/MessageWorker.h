#pragma once

#include "skype/OutgoingJobQueue.h"
#include "skype/ServiceSlot.h"

#include <mutex>
#include <thread>

namespace verbalink {

class OutgoingJobRunner;

// The thread that runs the outgoing flow for queued jobs, one at a time in arrival order. It
// sleeps until a job arrives, so a job starts at once rather than at the next poll.
class MessageWorker {
public:
    MessageWorker(OutgoingJobQueue& queue, const ServiceSlot<OutgoingJobRunner>& runner);
    ~MessageWorker();
    MessageWorker(const MessageWorker&) = delete;
    MessageWorker& operator=(const MessageWorker&) = delete;

    void start();
    // Lets a running job finish, then ends the thread; jobs still queued stay queued.
    void stop();
    bool isRunning() const;

private:
    void loop();

    OutgoingJobQueue& m_queue;
    const ServiceSlot<OutgoingJobRunner>& m_runner;
    mutable std::mutex m_threadMutex;
    std::thread m_thread;
};

} // namespace verbalink
