#pragma once

#include <QtGlobal>
#include <condition_variable>
#include <mutex>

namespace verbalink {

// A request to stop that a waiting thread notices at once, so long waits need not be cut into
// slices that wake the thread while the program idles.
class StopSignal {
public:
    void raise();
    void reset();
    bool isRaised() const;
    // Waits up to ms; true when the signal was (or is) raised.
    bool waitFor(qint64 ms);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_raised;
    bool m_isRaised = false;
};

} // namespace verbalink
