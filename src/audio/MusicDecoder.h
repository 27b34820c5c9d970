#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace verbalink {

class AudioFileReader;

// Decodes a music file on its own thread into 16 kHz mono 16-bit PCM for mixing into calls,
// keeping at most one second ahead and playing the file in a loop until stopped.
class MusicDecoder {
public:
    static constexpr qsizetype Capacity = 32000;

    MusicDecoder() = default;
    ~MusicDecoder();
    MusicDecoder(const MusicDecoder&) = delete;
    MusicDecoder& operator=(const MusicDecoder&) = delete;

    // Stops any file playing, then decodes path from its beginning. False (with error() set and
    // no thread started) when the file cannot be opened as audio.
    bool start(const QString& path);
    void stop();
    bool isRunning() const;
    QString error() const { return m_error; }

    // Copies out the oldest count bytes. False, and nothing taken, while fewer are held.
    bool take(char* bytes, qsizetype count);
    qsizetype held() const;

private:
    void run(std::unique_ptr<AudioFileReader> reader);
    bool deliver(const QByteArray& pcm);

    QString m_path;
    QString m_error;
    mutable std::mutex m_lock;
    std::condition_variable m_roomFreed;
    QByteArray m_buffer;
    bool m_stopping = false;
    bool m_running = false;
    std::thread m_thread;
};

} // namespace verbalink
