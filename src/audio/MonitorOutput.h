#pragma once

#include "audio/PlaybackQueue.h"

#include <QByteArrayView>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace verbalink {

// Plays 16-bit mono blocks on the default sound output through PortAudio, so the user hears
// the changed voice and the music. The device is opened and released on a thread of its own, so
// the audio engine never waits for the sound system. Without an output device it stays closed
// and every write fails quietly. PortAudio is set up per process: one monitor at a time.
class MonitorOutput {
public:
    // How long a released device stays open: routing a call's input again must not reopen it.
    static constexpr std::chrono::milliseconds DefaultLinger{2000};

    explicit MonitorOutput(std::chrono::milliseconds linger = DefaultLinger);
    ~MonitorOutput();
    MonitorOutput(const MonitorOutput&) = delete;
    MonitorOutput& operator=(const MonitorOutput&) = delete;

    // Returns at once: asks for the device, which writes reach once it is open. A device that
    // refused is not asked again until it has been released.
    void open(double samplesPerSecond);
    // Returns at once: the device goes when it has not been asked for again during the linger,
    // after what is queued has played.
    void release();
    // Releases the device now, letting what is queued play out first, and waits until it is.
    void close();
    bool isOpen() const { return m_device.load() == Device::Open; }
    // Why the device last refused; empty while it is open.
    QString error() const;

    // Never blocks. False unless open, for a bad block, or when the queue is full (dropped).
    bool write(QByteArrayView block);
    qsizetype queuedSamples() const { return m_queue.queued(); }

private:
    enum class Device { Closed, Opening, Open, Refused };

    void run();
    // The device thread's work, done without the lock.
    Device openDevice(int rate);
    void closeDevice();
    void drain();
    Device fail(const QString& what, int code);
    void settle(Device device);

    PlaybackQueue m_queue;
    const std::chrono::milliseconds m_linger;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_wanted = false;
    bool m_quitting = false;
    double m_rate = 0;
    std::chrono::steady_clock::time_point m_releaseAt;
    QString m_error;
    std::atomic<Device> m_device = Device::Closed;
    // Only the device thread touches the stream.
    void* m_stream = nullptr;
    bool m_initialized = false;
    std::thread m_thread;
};

} // namespace verbalink
