#include "extras/BroadcastSender.h"

#include "platform/Clock.h"

namespace verbalink {

BroadcastSender::Outcome BroadcastSender::send(const QString& message, qsizetype count,
                                               const std::function<void(qsizetype done)>& progress,
                                               const std::atomic<bool>& cancel)
{
    if (count <= 0)
        return Outcome::NoContacts;
    m_links.setRunning(true);
    Outcome outcome = Outcome::Sent;
    for (qsizetype i = 0; i < count; ++i) {
        if (cancel) {
            outcome = Outcome::Cancelled;
            break;
        }
        progress(i + 1);
        m_links.post(m_links.handleAt(i), message);
        m_links.clock.sleepMs(PauseMs);
    }
    m_links.setRunning(false);
    return outcome;
}

} // namespace verbalink
