#include "audio/CallRouting.h"

#include <algorithm>

namespace verbalink {

namespace {

constexpr const char* CaptureMicPort = " SET_CAPTURE_MIC PORT=";
constexpr const char* OutputPort = " SET_OUTPUT PORT=";
constexpr const char* InputPort = " SET_INPUT PORT=";
constexpr const char* OutputPlain = " SET_OUTPUT";
constexpr const char* CaptureMicPlain = " SET_CAPTURE_MIC";

} // namespace

CallRouting::CallRouting(CommandSink send, Ports ports) : m_send(std::move(send)), m_ports(ports) {}

bool CallRouting::isValidCallId(const QString& callId)
{
    // Anything else could end the command early or smuggle a second one onto the channel.
    return !callId.isEmpty() && callId.size() <= 64 &&
           std::all_of(callId.begin(), callId.end(),
                       [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'-'; });
}

QByteArray CallRouting::command(const QString& callId, const char* suffix,
                                std::optional<quint16> port)
{
    QString text = QStringLiteral("ALTER CALL ") + callId + QLatin1String(suffix);
    if (port)
        text += u'"' + QString::number(*port) + u'"';
    return text.toUtf8();
}

bool CallRouting::routeCapture(const QString& callId, bool on)
{
    if (!isValidCallId(callId))
        return false;
    m_recordingRouted = on;
    if (on) {
        m_send(command(callId, CaptureMicPort, m_ports.capture));
        m_send(command(callId, OutputPort, m_ports.capture));
    } else {
        m_send(command(callId, OutputPlain));
        if (!m_inputRouted)
            m_send(command(callId, CaptureMicPlain));
    }
    return true;
}

bool CallRouting::routeInput(const QString& callId)
{
    if (!isValidCallId(callId))
        return false;
    m_inputRouted = true;
    m_send(command(callId, InputPort, m_ports.input));
    if (!m_recordingRouted)
        m_send(command(callId, CaptureMicPort, m_ports.capture));
    return true;
}

void CallRouting::callFinished()
{
    m_recordingRouted = false;
    m_inputRouted = false;
}

} // namespace verbalink
