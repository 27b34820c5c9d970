#pragma once

#include <QtGlobal>
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace verbalink {

// Short-lived threads, one per piece of work (a received message, a robot turn): each start
// joins those already finished, and waitForAll() joins the rest. After stop() nothing starts.
class WorkerThreads {
public:
    WorkerThreads() = default;
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;
    // Joins whatever still runs.
    ~WorkerThreads();

    // False, and nothing run, once stopped.
    bool start(std::function<void()> work);
    void waitForAll();
    // No new work from now on; waits for what runs.
    void stop();
    // Threads not joined yet: those running and those ended since the last start.
    qsizetype held() const;

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    mutable std::mutex m_mutex;
    std::list<Worker> m_workers;
    bool m_stopped = false;
};

} // namespace verbalink
