#pragma once

#include "skype/OutgoingJob.h"

#include <QList>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace verbalink {

// The first-in first-out queue between the dispatcher and the message worker. The lock is
// held only to append, take or copy; a taker sleeps on the queue instead of polling it.
class OutgoingJobQueue {
public:
    void push(OutgoingJob job);
    // The oldest job, waiting for one; nothing once the queue is closed.
    std::optional<OutgoingJob> take();
    // Wakes every taker; take() returns nothing from then on, until reopened.
    void close();
    void reopen();

    QList<OutgoingJob> jobs() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QList<OutgoingJob> m_jobs;
    bool m_closed = false;
};

} // namespace verbalink
