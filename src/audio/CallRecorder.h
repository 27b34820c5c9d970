#pragma once

#include "audio/RecordingWriter.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace verbalink {

class CallAudioConnection;
class CallAudioServer;
class CallRouting;
class CallState;
class Clock;

// The recorder step of the audio engine: while the call's capture streams are routed to it, the
// samples every capture connection holds are mixed (or interleaved) into a WAV file, which gets
// its final name when the routing ends or the client drops the streams. The file is written by
// a RecordingWriter, so the step never waits for the disk.
class CallRecorder {
public:
    struct Links {
        const CallAudioServer& capture;
        CallRouting& routing;
        const CallState& call;
        const Clock& clock;
        std::function<void(const QString&)> log;
    };

    CallRecorder(Links links, QString folder);
    ~CallRecorder();

    // One pass of the engine; true when it consumed audio.
    bool step();

    void setStereo(bool on) { m_stereo = on; }
    bool isStereo() const { return m_stereo.load(); }
    // For the dialog, from any thread: from the opening of a file until it has its name.
    bool isRecording() const { return !m_writer.unfinished().isEmpty(); }
    // The files of the recordings that are not done yet.
    QStringList unfinishedFiles() const { return m_writer.unfinished(); }
    int elapsedSeconds() const { return int(m_channelBytes.load() / 32000); }
    // Bytes taken from each stream since the recording began.
    quint32 recordedBytes() const { return m_channelBytes.load(); }
    const QString& folder() const { return m_folder; }
    // Returns once everything recorded so far is on disk.
    void waitUntilWritten() { m_writer.waitUntilWritten(); }

private:
    bool record(qsizetype bytes);
    void open();
    void finish();

    Links m_links;
    QString m_folder;
    std::atomic<bool> m_stereo = false;
    std::atomic<quint32> m_channelBytes = 0;
    RecordingWriter m_writer;
    // A routing period is being recorded (engine thread).
    bool m_periodOpen = false;
    bool m_fileStereo = false;
    std::vector<std::shared_ptr<CallAudioConnection>> m_connections;
    std::vector<QByteArray> m_blocks;
    QByteArray m_mixed;
};

} // namespace verbalink
