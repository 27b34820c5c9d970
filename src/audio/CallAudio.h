#pragma once

#include "audio/AudioEngine.h"
#include "audio/CallAudioServer.h"
#include "audio/CallRecorder.h"
#include "audio/CallRouting.h"
#include "audio/MonitorOutput.h"
#include "audio/MusicDecoder.h"
#include "audio/VoiceChanger.h"
#include "audio/VoiceChangerControls.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

namespace verbalink {

class CallState;
class Clock;

// The call audio machinery: the capture and input servers, the routing commands, the audio
// engine thread with the voice changer and the recorder, started once with the program and
// stopped at its end.
class CallAudio {
public:
    struct Links {
        const CallState& call;
        const Clock& clock;
        // Sends a command to the client window of the current call.
        CallRouting::CommandSink send;
        std::function<void(const QString&)> log;
    };
    // Base ports of the two servers' walks; 0 takes any free port (for tests).
    struct Ports {
        quint16 capture;
        quint16 input;
    };
    static constexpr Ports ClientPorts{CallAudioServer::CaptureBasePort,
                                       CallAudioServer::InputBasePort};

    CallAudio(Links links, Ports ports);
    ~CallAudio();
    CallAudio(const CallAudio&) = delete;
    CallAudio& operator=(const CallAudio&) = delete;

    // Creates the recordings folder under the documents folder and starts the servers and the
    // engine; nothing starts without a documents folder. False when it did not start.
    bool start(const QString& documentsFolder);
    void stop();
    bool isRunning() const { return m_running; }

    // The call's microphone copy and output to the capture port, or back.
    void routeCapture(const QString& callId, bool on);
    // The call's input from the input port; the effects start from silence.
    void routeInput(const QString& callId);
    // A preset or effect was chosen: a call in progress gets its input routed again.
    void rerouteInputDuringCall();
    // The dialog's button: stops a running recording, else starts one; false without a call.
    bool toggleRecording();
    // The client reported the call finished.
    void callFinished();

    void setAutoRecord(bool on) { m_autoRecord = on; }
    bool autoRecord() const { return m_autoRecord.load(); }
    // Two-channel files from the next recording on.
    void setStereo(bool on);
    bool stereo() const { return m_stereo.load(); }
    bool isRecording() const { return m_running && m_recorder->isRecording(); }
    int elapsedSeconds() const { return m_running ? m_recorder->elapsedSeconds() : 0; }
    quint32 recordedBytes() const { return m_running ? m_recorder->recordedBytes() : 0; }
    QString recordingsFolder() const { return m_running ? m_recorder->folder() : QString(); }
    // The files of recordings still being written, which must stay.
    QStringList unfinishedRecordings() const
    {
        return m_running ? m_recorder->unfinishedFiles() : QStringList();
    }
    VoiceChangerControls& voiceControls() { return m_voiceControls; }
    const VoiceChangerControls& voiceControls() const { return m_voiceControls; }
    const CallAudioServer& captureServer() const { return m_capture; }
    const CallAudioServer& inputServer() const { return m_input; }
    const AudioEngine& engine() const { return *m_engine; }

private:
    Links m_links;
    CallAudioServer m_capture;
    CallAudioServer m_input;
    std::unique_ptr<CallRouting> m_routing;
    VoiceChangerControls m_voiceControls;
    MusicDecoder m_music;
    MonitorOutput m_monitor;
    std::unique_ptr<VoiceChanger> m_voiceChanger;
    std::unique_ptr<CallRecorder> m_recorder;
    std::unique_ptr<AudioEngine> m_engine;
    std::atomic<bool> m_autoRecord = false;
    std::atomic<bool> m_stereo = false;
    bool m_running = false;
};

} // namespace verbalink
