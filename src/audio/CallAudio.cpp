#include "audio/CallAudio.h"

#include "audio/RecordingNames.h"
#include "skype/CallState.h"

#include <QDir>
#include <QFileInfo>

namespace verbalink {

namespace {

// A folder made here is the user's alone; one that is there already keeps its mode.
bool makePrivateFolder(const QString& path)
{
    const QFileInfo folder(QDir::cleanPath(path));
    if (folder.isDir())
        return true;
    return QDir().mkpath(folder.path()) &&
           QDir().mkdir(folder.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

CallAudio::CallAudio(Links links, Ports ports)
    : m_links(std::move(links)), m_capture(CallAudioServer::Role::Capture, ports.capture),
      m_input(CallAudioServer::Role::Input, ports.input)
{
    // The voice changer reads the microphone copy before the recorder consumes it.
    m_engine = std::make_unique<AudioEngine>(
        std::vector<AudioEngine::Step>{[this] { return m_voiceChanger->step(); },
                                       [this] {
                                           return m_recorder->step();
                                       }});
    m_capture.setActivityHook([this] { m_engine->wake(); });
    m_capture.setLog(m_links.log);
    m_input.setLog(m_links.log);
}

CallAudio::~CallAudio()
{
    stop();
}

bool CallAudio::start(const QString& documentsFolder)
{
    if (m_running || documentsFolder.isEmpty())
        return false;
    const QString folder = recordingnames::folder(documentsFolder);
    if (!makePrivateFolder(folder) && m_links.log)
        m_links.log(QStringLiteral("Cannot create the recordings folder ") + folder);
    // A server that finds no free port leaves the commands naming the last port tried.
    if (!m_capture.start() && m_links.log)
        m_links.log(QStringLiteral("No port for the call capture server"));
    if (!m_input.start() && m_links.log)
        m_links.log(QStringLiteral("No port for the call input server"));
    m_routing = std::make_unique<CallRouting>(m_links.send,
                                              CallRouting::Ports{m_capture.port(), m_input.port()});
    m_recorder = std::make_unique<CallRecorder>(
        CallRecorder::Links{m_capture, *m_routing, m_links.call, m_links.clock, m_links.log},
        folder);
    m_recorder->setStereo(m_stereo);
    m_voiceChanger = std::make_unique<VoiceChanger>(
        VoiceChanger::Links{m_capture, m_input, [this] { return m_routing->recordingRouted(); },
                            m_voiceControls, m_music, m_monitor});
    m_engine->start();
    m_running = true;
    return true;
}

void CallAudio::stop()
{
    if (!m_running)
        return;
    m_capture.stop();
    m_input.stop();
    m_engine->stop();
    // A recording cut off by the exit still gets its header and name, and all its samples.
    m_recorder->step();
    m_recorder->waitUntilWritten();
    m_music.stop();
    m_monitor.close();
    m_running = false;
}

void CallAudio::routeCapture(const QString& callId, bool on)
{
    if (!m_running)
        return;
    m_routing->routeCapture(callId, on);
    m_engine->wake();
}

void CallAudio::routeInput(const QString& callId)
{
    if (!m_running)
        return;
    m_voiceControls.requestDelayClear();
    m_routing->routeInput(callId);
    m_engine->wake();
}

void CallAudio::rerouteInputDuringCall()
{
    const CallState::Snapshot call = m_links.call.snapshot();
    if (call.inCall)
        routeInput(call.callId);
}

void CallAudio::setStereo(bool on)
{
    m_stereo = on;
    if (m_running)
        m_recorder->setStereo(on);
}

void CallAudio::callFinished()
{
    if (!m_running)
        return;
    m_routing->callFinished();
    m_engine->wake();
}

bool CallAudio::toggleRecording()
{
    const CallState::Snapshot call = m_links.call.snapshot();
    if (!m_running || !call.inCall)
        return false;
    routeCapture(call.callId, !m_recorder->isRecording());
    return true;
}

} // namespace verbalink
