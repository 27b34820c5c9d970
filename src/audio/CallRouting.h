#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <optional>

namespace verbalink {

// Switches where the client takes a call's microphone copy, output and input from: the
// ALTER CALL commands naming the local call audio ports, sent through the command channel.
class CallRouting {
public:
    using CommandSink = std::function<void(const QByteArray&)>;
    struct Ports {
        quint16 capture = 0;
        quint16 input = 0;
    };

    CallRouting(CommandSink send, Ports ports);

    // Microphone copy and output to the capture port, or back to the client's defaults; the
    // microphone copy stays while the input is routed, since the voice changer works on it.
    // False, and nothing sent, for a call ID that is not a plain token.
    bool routeCapture(const QString& callId, bool on);
    // Input from the input port; the microphone copy too unless recording already routes it.
    bool routeInput(const QString& callId);
    bool recordingRouted() const { return m_recordingRouted.load(); }
    // A finished recording: the client has dropped the routed streams.
    void clearRecordingRouted() { m_recordingRouted = false; }
    // The call ended: nothing of it stays routed, whether its streams ever connected or not.
    void callFinished();

    // The command for one call, with the port in decimal and quoted when there is one.
    static QByteArray command(const QString& callId, const char* suffix,
                              std::optional<quint16> port = std::nullopt);
    static bool isValidCallId(const QString& callId);

private:
    CommandSink m_send;
    Ports m_ports;
    std::atomic<bool> m_recordingRouted = false;
    std::atomic<bool> m_inputRouted = false;
};

} // namespace verbalink
