#include "audio/MusicDecoder.h"

#include "audio/AudioFileReader.h"

#include <algorithm>
#include <cstring>

namespace verbalink {

MusicDecoder::MusicDecoder()
{
    m_buffer.reserve(Capacity);
}

MusicDecoder::~MusicDecoder()
{
    {
        std::lock_guard guard(m_lock);
        ++m_generation;
        m_playing = false;
        m_quitting = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void MusicDecoder::start(const QString& path)
{
    {
        std::lock_guard guard(m_lock);
        ++m_generation;
        m_path = path;
        m_error.clear();
        m_buffer.resize(0);
        m_playing = true;
    }
    m_changed.notify_all();
    // Made once and kept: neither a join nor a new thread ever waits on the caller's time.
    if (!m_thread.joinable())
        m_thread = std::thread(&MusicDecoder::run, this);
}

void MusicDecoder::stop()
{
    {
        std::lock_guard guard(m_lock);
        if (!m_playing)
            return;
        ++m_generation;
        m_playing = false;
    }
    m_changed.notify_all();
}

bool MusicDecoder::isRunning() const
{
    std::lock_guard guard(m_lock);
    return m_playing;
}

QString MusicDecoder::error() const
{
    std::lock_guard guard(m_lock);
    return m_error;
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
    m_changed.notify_all();
    return true;
}

void MusicDecoder::run()
{
    AudioFileReader reader;
    Request request;
    while (nextRequest(request)) {
        play(reader, request);
        reader.close();
    }
}

bool MusicDecoder::nextRequest(Request& request)
{
    std::unique_lock guard(m_lock);
    m_changed.wait(guard, [this] { return m_playing || m_quitting; });
    if (m_quitting)
        return false;
    request = {m_generation, m_path};
    return true;
}

void MusicDecoder::play(AudioFileReader& reader, const Request& request)
{
    if (!reader.open(request.path))
        return finish(request.generation, reader.error());
    bool passHadAudio = false;
    for (;;) {
        const QByteArray pcm = reader.read();
        if (!pcm.isEmpty()) {
            passHadAudio = true;
            if (!deliver(request.generation, pcm))
                return;
            continue;
        }
        if (!isCurrent(request.generation))
            return;
        // End of the file: start it over, unless a whole pass gave nothing (it would spin).
        if (!passHadAudio)
            return finish(request.generation, QStringLiteral("no audio in ") + request.path);
        if (!reader.open(request.path))
            return finish(request.generation, reader.error());
        passHadAudio = false;
    }
}

void MusicDecoder::finish(quint64 generation, const QString& error)
{
    std::lock_guard guard(m_lock);
    if (generation != m_generation)
        return;
    m_playing = false;
    m_error = error;
}

bool MusicDecoder::isCurrent(quint64 generation) const
{
    std::lock_guard guard(m_lock);
    return generation == m_generation;
}

bool MusicDecoder::deliver(quint64 generation, const QByteArray& pcm)
{
    qsizetype done = 0;
    std::unique_lock guard(m_lock);
    while (done < pcm.size()) {
        // Waits for the engine to take music rather than dropping what was decoded.
        m_changed.wait(guard,
                       [&] { return generation != m_generation || m_buffer.size() < Capacity; });
        if (generation != m_generation)
            return false;
        const qsizetype piece = std::min(pcm.size() - done, Capacity - m_buffer.size());
        m_buffer.append(pcm.constData() + done, piece);
        done += piece;
    }
    return true;
}

} // namespace verbalink
