#pragma once

#include "audio/WavRecordingFile.h"

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
// its final name when the routing ends or the client drops the streams.
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
    // For the dialog, from any thread.
    bool isRecording() const { return m_recording.load(); }
    int elapsedSeconds() const { return int(m_channelBytes.load() / 32000); }
    // Bytes taken from each stream since the recording began.
    quint32 recordedBytes() const { return m_channelBytes.load(); }
    const QString& folder() const { return m_folder; }

private:
    bool record(qsizetype bytes);
    void open();
    void finish();

    Links m_links;
    QString m_folder;
    std::atomic<bool> m_stereo = false;
    std::atomic<bool> m_recording = false;
    std::atomic<quint32> m_channelBytes = 0;
    WavRecordingFile m_file;
    // The file could not be created: this routing period's audio is consumed unwritten.
    bool m_openFailed = false;
    bool m_fileStereo = false;
    std::vector<std::shared_ptr<CallAudioConnection>> m_connections;
    std::vector<QByteArray> m_blocks;
    QByteArray m_mixed;
};

} // namespace verbalink
