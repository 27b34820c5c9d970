#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <deque>
#include <mutex>

namespace verbalink {

// Blocks of 16-bit mono PCM waiting for the sound device, bounded so a device that stalls
// cannot make them pile up. Written by the audio engine, read by the device's callback.
class PlaybackQueue {
public:
    static constexpr qsizetype MaxBlocks = 320;

    // False, and nothing queued, for an empty or odd-sized block or when MaxBlocks are waiting.
    bool push(QByteArrayView block);
    // Fills frames samples in order, with silence past what is queued; returns the samples given.
    qsizetype pull(qint16* out, qsizetype frames);
    qsizetype blocks() const;
    void clear();

private:
    mutable std::mutex m_lock;
    std::deque<QByteArray> m_blocks;
    qsizetype m_offset = 0; // bytes of the front block already played
};

} // namespace verbalink
