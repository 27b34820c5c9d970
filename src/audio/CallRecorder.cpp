#include "audio/CallRecorder.h"

#include "audio/CallAudioServer.h"
#include "audio/CallRouting.h"
#include "audio/CaptureMix.h"
#include "audio/RecordingNames.h"
#include "platform/Clock.h"
#include "skype/CallState.h"

#include <QDateTime>
#include <algorithm>

namespace verbalink {

CallRecorder::CallRecorder(Links links, QString folder)
    : m_links(std::move(links)), m_folder(std::move(folder)), m_writer(m_links.log)
{}

CallRecorder::~CallRecorder()
{
    if (m_periodOpen)
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
    if (m_periodOpen)
        finish();
    return false;
}

bool CallRecorder::record(qsizetype bytes)
{
    if (!m_periodOpen)
        open();
    if (m_fileStereo)
        capturemix::interleaveStereo(m_blocks, m_mixed);
    else
        capturemix::mixMono(m_blocks, m_mixed);
    m_writer.append(m_mixed);
    m_channelBytes += quint32(bytes);
    return true;
}

void CallRecorder::open()
{
    m_periodOpen = true;
    m_channelBytes = 0;
    m_fileStereo = m_stereo;
    // A file that cannot be created is logged by the writer; the call's audio keeps flowing
    // (the voice changer may use it), it is just not kept.
    m_writer.open(recordingnames::temporaryPath(m_folder, m_links.clock.epochSeconds()),
                  m_fileStereo ? 2 : 1);
}

void CallRecorder::finish()
{
    const QString partner = recordingnames::sanitizedPartner(m_links.call.snapshot().partnerName);
    const QDateTime now = QDateTime::fromSecsSinceEpoch(m_links.clock.epochSeconds()).toLocalTime();
    m_writer.finish(recordingnames::finalPath(m_folder, partner, now));
    m_periodOpen = false;
    m_channelBytes = 0;
    m_links.routing.clearRecordingRouted();
}

} // namespace verbalink
