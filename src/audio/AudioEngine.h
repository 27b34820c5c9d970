#pragma once

#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace verbalink {

// The audio engine thread: runs its steps (the voice changer's, then the recorder's) when woken
// by new call audio or a change of routing, and again while a step still finds work. Without
// a call it sleeps without waking at all.
class AudioEngine {
public:
    // A step returns whether it did any work, so the engine passes again.
    using Step = std::function<bool()>;

    explicit AudioEngine(std::vector<Step> steps);
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    void start();
    // Ends the thread after its current pass.
    void stop();
    // Any thread: run the steps soon.
    void wake();
    // Passes run so far.
    quint64 passes() const { return m_passes.load(); }

private:
    void run();
    bool pass();

    std::vector<Step> m_steps;
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_pending = false;
    std::atomic<bool> m_stopping = false;
    std::atomic<quint64> m_passes = 0;
    std::thread m_thread;
};

} // namespace verbalink
