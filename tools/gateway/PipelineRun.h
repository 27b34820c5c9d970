#pragma once

#include "gateway/ChildProcess.h"

#include <QByteArray>
#include <QByteArrayView>
#include <atomic>
#include <chrono>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace verbalink::gateway {

// One start of a null-flush pipeline: requests go in one after another, each ended by a NUL,
// while earlier ones are still on their way through; a reader thread hands each answer that
// comes back to the oldest request still waiting, so answers keep the order of the requests.
class PipelineRun {
public:
    using Answer = std::optional<QByteArray>;
    using Deadline = std::chrono::steady_clock::time_point;

    // Runs `command` through /bin/sh with `arguments` as $1, $2, ...
    static std::shared_ptr<PipelineRun> start(const QByteArray& command,
                                              const QList<QByteArray>& arguments, QString* error);

    explicit PipelineRun(std::unique_ptr<ChildProcess> process);
    ~PipelineRun();
    PipelineRun(const PipelineRun&) = delete;
    PipelineRun& operator=(const PipelineRun&) = delete;

    // Feeds one request. Its answer comes through the future: the bytes before the NUL, or
    // nothing when the run broke down (or could not take the request before the deadline).
    std::future<Answer> submit(QByteArrayView request, Deadline deadline);
    // Ends the run at once; every request still waiting gets nothing.
    void abandon();
    bool alive() const { return m_alive; }
    pid_t pid() const { return m_process->pid(); }

private:
    void readAnswers();
    bool deliver(QByteArray answer);
    void failWaiting();

    std::unique_ptr<ChildProcess> m_process;
    std::mutex m_writeMutex;
    std::mutex m_waitingMutex;
    std::deque<std::promise<Answer>> m_waiting;
    std::atomic<bool> m_alive{true};
    std::atomic<bool> m_stopping{false};
    std::thread m_reader;
};

} // namespace verbalink::gateway
