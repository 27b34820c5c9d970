#include "audio/AudioEngine.h"

namespace verbalink {

AudioEngine::AudioEngine(std::vector<Step> steps) : m_steps(std::move(steps)) {}

AudioEngine::~AudioEngine()
{
    stop();
}

void AudioEngine::start()
{
    if (m_thread.joinable())
        return;
    m_stopping = false;
    m_thread = std::thread([this] { run(); });
}

void AudioEngine::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_woken.notify_one();
    m_thread.join();
}

void AudioEngine::wake()
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = true;
    }
    m_woken.notify_one();
}

void AudioEngine::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_woken.wait(lock, [this] { return m_pending || m_stopping; });
        if (m_stopping)
            return;
        m_pending = false;
        lock.unlock();
        while (!m_stopping && pass()) {
        }
        lock.lock();
    }
}

bool AudioEngine::pass()
{
    ++m_passes;
    bool worked = false;
    for (const Step& step : m_steps)
        worked = step() || worked;
    return worked;
}

} // namespace verbalink
