#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace verbalink {

class AudioFileReader;

// Decodes a music file on its own thread into 16 kHz mono 16-bit PCM for mixing into calls,
// keeping at most one second ahead and playing the file in a loop until stopped. The file is
// opened, read and closed on that thread only, so starting and stopping never wait for a disk.
// The thread is made at the first start and ends with the decoder; start and stop are called
// from one thread.
class MusicDecoder {
public:
    static constexpr qsizetype Capacity = 32000;

    MusicDecoder();
    ~MusicDecoder();
    MusicDecoder(const MusicDecoder&) = delete;
    MusicDecoder& operator=(const MusicDecoder&) = delete;

    // Returns at once: path is decoded from its beginning, in place of any file playing.
    void start(const QString& path);
    // Returns at once: nothing more is decoded; what is held stays until the next start.
    void stop();
    // From start until stop, or until the file turns out to hold no audio (error() says why).
    bool isRunning() const;
    QString error() const;

    // Copies out the oldest count bytes. False, and nothing taken, while fewer are held.
    bool take(char* bytes, qsizetype count);
    qsizetype held() const;

private:
    struct Request {
        quint64 generation = 0;
        QString path;
    };

    void run();
    // Waits until a file is asked for; false when the decoder goes.
    bool nextRequest(Request& request);
    void play(AudioFileReader& reader, const Request& request);
    void finish(quint64 generation, const QString& error);
    bool isCurrent(quint64 generation) const;
    bool deliver(quint64 generation, const QByteArray& pcm);

    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    QByteArray m_buffer;
    QString m_path;
    QString m_error;
    // Raised by every start and stop, so the thread lets go of a file nobody wants any more.
    quint64 m_generation = 0;
    bool m_playing = false;
    bool m_quitting = false;
    std::thread m_thread;
};

} // namespace verbalink
