#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <atomic>
#include <vector>

namespace verbalink {

// 16-bit mono samples waiting for the sound device: a ring allocated once, written by the audio
// engine and read by the device's callback without a lock, so neither waits for the other nor
// for the allocator. Bounded, so a device that stalls cannot make audio pile up. One writer
// thread and one reader thread at a time.
class PlaybackQueue {
public:
    // 320 blocks of 20 ms.
    static constexpr qsizetype Capacity = 320 * 320;

    PlaybackQueue();

    // The writer's side. False, and nothing queued, for an empty or odd-sized block or one that
    // does not fit whole in the room left.
    bool push(QByteArrayView block);
    // The reader's side: fills frames samples in order, with silence past what is queued;
    // returns the samples given.
    qsizetype pull(qint16* out, qsizetype frames);
    // The reader's side too: drops what is queued.
    void clear();
    // The samples waiting, from any thread.
    qsizetype queued() const;

private:
    std::vector<qint16> m_ring;
    // Samples written and read since the start: the writer owns one, the reader the other.
    std::atomic<quint64> m_written = 0;
    std::atomic<quint64> m_read = 0;
    static_assert(std::atomic<quint64>::is_always_lock_free);
};

} // namespace verbalink
