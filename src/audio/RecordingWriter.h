#pragma once

#include "audio/WavRecordingFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace verbalink {

// Writes call recordings on a thread of its own, so a slow disk never holds up the audio
// engine: the engine queues a file to open, the blocks to append and the name the file gets
// when done, and they are carried out in that order.
class RecordingWriter {
public:
    // A disk that stops answering must not take all the memory: past this much waiting audio,
    // blocks are dropped and the recording is reported incomplete. About nine minutes of stereo.
    static constexpr qsizetype DefaultMaxWaiting = 32 * 1024 * 1024;

    explicit RecordingWriter(std::function<void(const QString&)> log,
                             qsizetype maxWaiting = DefaultMaxWaiting);
    // Writes everything queued, then ends the thread.
    ~RecordingWriter();
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    // The next recording goes to this (temporary) file.
    void open(const QString& path, int channels);
    void append(QByteArrayView samples);
    // The header gets its sizes and the file its final name.
    void finish(const QString& finalPath);
    // Returns once everything queued so far is on disk.
    void waitUntilWritten();

    // The temporary files of recordings queued or being written and not yet renamed.
    QStringList unfinished() const;

private:
    struct Job {
        enum class Kind { Open, Append, Finish } kind;
        QString path;
        QByteArray samples;
        int channels = 1;
        // Blocks of this recording were dropped for want of memory.
        bool lostSamples = false;
    };

    void run();
    void perform(const Job& job);
    void complete(const Job& finish);
    void log(const QString& line) const;

    std::function<void(const QString&)> m_log;
    const qsizetype m_maxWaiting;
    mutable std::mutex m_mutex;
    std::condition_variable m_queued;
    std::condition_variable m_written;
    std::deque<Job> m_jobs;
    qsizetype m_waitingBytes = 0;
    bool m_lostSamples = false;
    bool m_busy = false;
    bool m_stopping = false;
    QStringList m_unfinished;
    // Writer thread only.
    WavRecordingFile m_file;
    std::thread m_thread;
};

} // namespace verbalink
