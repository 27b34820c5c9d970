#include "audio/PlaybackQueue.h"

#include <algorithm>
#include <cstring>

namespace verbalink {

PlaybackQueue::PlaybackQueue() : m_ring(size_t(Capacity)) {}

bool PlaybackQueue::push(QByteArrayView block)
{
    if (block.isEmpty() || block.size() % 2 != 0)
        return false;
    const auto samples = quint64(block.size() / 2);
    const quint64 written = m_written.load(std::memory_order_relaxed);
    const quint64 read = m_read.load(std::memory_order_acquire);
    if (written - read + samples > quint64(Capacity))
        return false;
    const auto at = qsizetype(written % Capacity);
    const qsizetype first = std::min(qsizetype(samples), Capacity - at);
    std::memcpy(m_ring.data() + at, block.data(), size_t(first) * 2);
    std::memcpy(m_ring.data(), block.data() + first * 2, size_t(qsizetype(samples) - first) * 2);
    m_written.store(written + samples, std::memory_order_release);
    return true;
}

qsizetype PlaybackQueue::pull(qint16* out, qsizetype frames)
{
    const quint64 read = m_read.load(std::memory_order_relaxed);
    const quint64 written = m_written.load(std::memory_order_acquire);
    const qsizetype count = std::min(qsizetype(written - read), std::max<qsizetype>(frames, 0));
    const auto at = qsizetype(read % Capacity);
    const qsizetype first = std::min(count, Capacity - at);
    std::memcpy(out, m_ring.data() + at, size_t(first) * 2);
    std::memcpy(out + first, m_ring.data(), size_t(count - first) * 2);
    m_read.store(read + quint64(count), std::memory_order_release);
    std::fill(out + count, out + std::max(frames, count), qint16(0));
    return count;
}

void PlaybackQueue::clear()
{
    m_read.store(m_written.load(std::memory_order_acquire), std::memory_order_release);
}

qsizetype PlaybackQueue::queued() const
{
    // The reader's count first: the writer's, read after it, can only be larger.
    const quint64 read = m_read.load(std::memory_order_acquire);
    return qsizetype(m_written.load(std::memory_order_acquire) - read);
}

} // namespace verbalink
