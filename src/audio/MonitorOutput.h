#pragma once

#include "audio/PlaybackQueue.h"

#include <QByteArrayView>
#include <QString>

namespace verbalink {

// Plays 16-bit mono blocks on the default sound output through PortAudio, so the user hears
// the changed voice and the music. Without an output device it stays closed and every write
// fails quietly.
class MonitorOutput {
public:
    MonitorOutput() = default;
    ~MonitorOutput();
    MonitorOutput(const MonitorOutput&) = delete;
    MonitorOutput& operator=(const MonitorOutput&) = delete;

    // False, with error() set, when there is no output device or it refuses the format.
    bool open(double samplesPerSecond);
    // Lets what is queued play out (bounded by its length), then releases the device.
    void close();
    bool isOpen() const { return m_stream != nullptr; }
    QString error() const { return m_error; }

    // Never blocks. False when closed, for a bad block, or when the queue is full (dropped).
    bool write(QByteArrayView block);
    qsizetype queuedSamples() const { return m_queue.queued(); }

private:
    void waitForQueueToEmpty();
    bool fail(const QString& what, int code);

    PlaybackQueue m_queue;
    void* m_stream = nullptr;
    bool m_initialized = false;
    int m_rate = 0;
    QString m_error;
};

} // namespace verbalink
