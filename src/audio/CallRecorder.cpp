#include "audio/CallRecorder.h"

#include "audio/CallAudioServer.h"
#include "audio/CallRouting.h"
#include "audio/CaptureMix.h"
#include "audio/RecordingNames.h"
#include "platform/Clock.h"
#include "skype/CallState.h"

#include <QDateTime>
#include <QFile>
#include <algorithm>

namespace verbalink {

CallRecorder::CallRecorder(Links links, QString folder)
    : m_links(std::move(links)), m_folder(std::move(folder))
{}

CallRecorder::~CallRecorder()
{
    if (m_file.isOpen())
        finish();
}

bool CallRecorder::step()
{
    m_links.capture.connections(m_connections);
    const auto& connections = m_connections;
    if (m_links.routing.recordingRouted() && !connections.empty()) {
        qsizetype bytes = CallAudioConnection::Capacity;
        for (const auto& connection : connections)
            bytes = std::min(bytes, connection->recordable());
        // Whole samples only, so the streams never slip against each other.
        bytes -= bytes % 2;
        if (bytes == 0)
            return false;
        m_blocks.resize(connections.size());
        for (size_t i = 0; i < connections.size(); ++i)
            connections[i]->take(m_blocks[i], bytes);
        return record(bytes);
    }
    if (m_file.isOpen() || m_openFailed)
        finish();
    return false;
}

bool CallRecorder::record(qsizetype bytes)
{
    if (!m_file.isOpen() && !m_openFailed)
        open();
    if (!m_file.isOpen())
        return true;
    if (m_fileStereo)
        capturemix::interleaveStereo(m_blocks, m_mixed);
    else
        capturemix::mixMono(m_blocks, m_mixed);
    m_file.append(m_mixed.constData(), m_mixed.size());
    m_channelBytes += quint32(bytes);
    return true;
}

void CallRecorder::open()
{
    m_recording = true;
    m_channelBytes = 0;
    m_fileStereo = m_stereo;
    const QString path = recordingnames::temporaryPath(m_folder, m_links.clock.epochSeconds());
    if (!m_file.open(path, m_fileStereo ? 2 : 1)) {
        // The call's audio keeps flowing (the voice changer may use it); it is just not kept.
        m_openFailed = true;
        if (m_links.log)
            m_links.log(QStringLiteral("Cannot create the recording ") + path);
    }
}

void CallRecorder::finish()
{
    if (m_file.isOpen()) {
        const QString temporary = m_file.path();
        if (!m_file.finish() && m_links.log)
            m_links.log(QStringLiteral("The recording ") + temporary +
                        QStringLiteral(" is incomplete"));
        const QString partner =
            recordingnames::sanitizedPartner(m_links.call.snapshot().partnerName);
        const QDateTime now =
            QDateTime::fromSecsSinceEpoch(m_links.clock.epochSeconds()).toLocalTime();
        // A failed rename leaves the recording under its number.
        QFile::rename(temporary, recordingnames::finalPath(m_folder, partner, now));
    }
    m_openFailed = false;
    m_recording = false;
    m_channelBytes = 0;
    m_links.routing.clearRecordingRouted();
}

} // namespace verbalink
