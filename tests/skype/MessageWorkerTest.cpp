#include "skype/MessageWorker.h"

#include "skype/OutgoingJobRunner.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

namespace verbalink::test {
namespace {

using namespace std::chrono_literals;

// Records the jobs it runs and how many ran at once; each job takes a little while.
class SlowRunner final : public OutgoingJobRunner {
public:
    void run(const OutgoingJob& job) override
    {
        const int running = ++m_running;
        m_maxRunning.store(std::max(m_maxRunning.load(), running));
        std::this_thread::sleep_for(5ms);
        --m_running;
        std::lock_guard lock(m_mutex);
        m_ids.append(job.id);
        m_done.notify_all();
    }

    // The ids run so far, once `count` have run or a generous time passed.
    QList<qint32> waitFor(qsizetype count)
    {
        std::unique_lock lock(m_mutex);
        m_done.wait_for(lock, 10s, [&] { return m_ids.size() >= count; });
        return m_ids;
    }

    int maxRunning() const { return m_maxRunning.load(); }

private:
    std::atomic<int> m_running{0};
    std::atomic<int> m_maxRunning{0};
    std::mutex m_mutex;
    std::condition_variable m_done;
    QList<qint32> m_ids;
};

TEST(MessageWorkerTest, RunsJobsOneAtATimeInArrivalOrder)
{
    OutgoingJobQueue queue;
    ServiceSlot<OutgoingJobRunner> slot;
    auto runner = std::make_shared<SlowRunner>();
    slot.set(runner);
    MessageWorker worker(queue, slot);
    worker.start();
    QList<qint32> expected;
    for (qint32 id = 1; id <= 8; ++id) {
        queue.push({QStringLiteral("body %1").arg(id), QStringLiteral("bob"), id});
        expected.append(id);
    }
    EXPECT_EQ(runner->waitFor(8), expected);
    EXPECT_EQ(runner->maxRunning(), 1);
    EXPECT_TRUE(queue.jobs().isEmpty());
    worker.stop();
    EXPECT_FALSE(worker.isRunning());
}

TEST(MessageWorkerTest, StopEndsTheIdleThreadAndLaterJobsWaitForTheNextStart)
{
    OutgoingJobQueue queue;
    ServiceSlot<OutgoingJobRunner> slot;
    auto runner = std::make_shared<SlowRunner>();
    slot.set(runner);
    MessageWorker worker(queue, slot);
    worker.start();
    worker.stop(); // an idle worker sleeping on the queue must wake up for this
    queue.push({QStringLiteral("late"), {}, 5});
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(queue.jobs().size(), 1);
    worker.start();
    EXPECT_EQ(runner->waitFor(1), QList<qint32>{5});
}

TEST(MessageWorkerTest, JobsWithoutARunnerAreDropped)
{
    OutgoingJobQueue queue;
    ServiceSlot<OutgoingJobRunner> slot;
    MessageWorker worker(queue, slot);
    worker.start();
    queue.push({QStringLiteral("x"), {}, 1});
    for (int i = 0; i < 1000 && !queue.jobs().isEmpty(); ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(queue.jobs().isEmpty());
}

} // namespace
} // namespace verbalink::test
