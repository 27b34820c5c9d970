#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace verbalink {

// Runs the event loop until the condition holds or the time is up; returns the condition.
template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = 2000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace verbalink
