#include "audio/MusicDecoder.h"

#include "audio/AudioFileReader.h"

#include <algorithm>
#include <cstring>

namespace verbalink {

MusicDecoder::~MusicDecoder()
{
    stop();
}

bool MusicDecoder::start(const QString& path)
{
    stop();
    // Opened here so a bad file is reported to the caller and no thread is left behind.
    auto reader = std::make_unique<AudioFileReader>();
    if (!reader->open(path)) {
        m_error = reader->error();
        return false;
    }
    m_error.clear();
    m_path = path;
    {
        std::lock_guard guard(m_lock);
        m_buffer.clear();
        m_stopping = false;
        m_running = true;
    }
    m_thread = std::thread(&MusicDecoder::run, this, std::move(reader));
    return true;
}

void MusicDecoder::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard guard(m_lock);
        m_stopping = true;
    }
    m_roomFreed.notify_all();
    m_thread.join();
}

bool MusicDecoder::isRunning() const
{
    std::lock_guard guard(m_lock);
    return m_running;
}

qsizetype MusicDecoder::held() const
{
    std::lock_guard guard(m_lock);
    return m_buffer.size();
}

bool MusicDecoder::take(char* bytes, qsizetype count)
{
    if (count < 0)
        return false;
    {
        std::lock_guard guard(m_lock);
        if (m_buffer.size() < count)
            return false;
        std::memcpy(bytes, m_buffer.constData(), count);
        m_buffer.remove(0, count);
    }
    m_roomFreed.notify_one();
    return true;
}

void MusicDecoder::run(std::unique_ptr<AudioFileReader> reader)
{
    bool passHadAudio = false;
    for (;;) {
        const QByteArray pcm = reader->read();
        if (!pcm.isEmpty()) {
            passHadAudio = true;
            if (!deliver(pcm))
                break;
            continue;
        }
        // End of the file: start it over, unless a whole pass gave nothing (it would spin).
        if (!passHadAudio || !reader->open(m_path))
            break;
        passHadAudio = false;
    }
    std::lock_guard guard(m_lock);
    m_running = false;
}

bool MusicDecoder::deliver(const QByteArray& pcm)
{
    qsizetype done = 0;
    std::unique_lock guard(m_lock);
    while (done < pcm.size()) {
        // Waits for the engine to take music rather than dropping what was decoded.
        m_roomFreed.wait(guard, [&] { return m_stopping || m_buffer.size() < Capacity; });
        if (m_stopping)
            return false;
        const qsizetype piece = std::min(pcm.size() - done, Capacity - m_buffer.size());
        m_buffer.append(pcm.constData() + done, piece);
        done += piece;
    }
    return !m_stopping;
}

} // namespace verbalink
