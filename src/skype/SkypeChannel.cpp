#include "skype/SkypeChannel.h"

#include <utility>

namespace verbalink {

SkypeChannel::SkypeChannel(SkypeTransport& transport, LinkState& state, const LogSlot& log,
                           LineSink sink)
    : m_transport(transport), m_state(state), m_log(log), m_sink(std::move(sink))
{}

bool SkypeChannel::sendCommand(const QByteArray& command, const SkypeEndpoint& to)
{
    if (to.isEmpty())
        return false;
    log(QStringLiteral("SENDING..."));
    log(QString::fromUtf8(command));
    if (command.isEmpty())
        return true;
    const SendResult result = m_transport.send(to, command);
    switch (result.outcome) {
    case SendResult::Delivered:
        log(QStringLiteral("SEND OK"));
        return true;
    case SendResult::DeliveredWithError:
        // The client is there and heard us; only this command's answer is lost.
        log(QStringLiteral("SEND OK, answered with an error: ") + result.error);
        return true;
    case SendResult::Stalled:
        // It may be back in a moment: the link thread discovers it again at its next pass.
        m_state.dropStalled(to);
        return false;
    case SendResult::Failed:
        break;
    }
    // The link thread recovers: a new attach or the PONG loss rule.
    m_state.dropEndpoint(to);
    return false;
}

bool SkypeChannel::sendCommand(const QString& command, const SkypeEndpoint& to)
{
    return sendCommand(command.toUtf8(), to);
}

void SkypeChannel::sendToAll(const QByteArray& command)
{
    // A copy: a failing send rewrites the list while we walk it.
    const QList<SkypeEndpoint> endpoints = m_state.endpoints();
    for (const SkypeEndpoint& endpoint : endpoints)
        sendCommand(command, endpoint);
}

void SkypeChannel::sendToAll(const QString& command)
{
    sendToAll(command.toUtf8());
}

void SkypeChannel::receive(const SkypeEndpoint& from, const QByteArray& bytes)
{
    if (!m_state.isListed(from))
        return;
    const QString line = decodeLine(bytes);
    log(line);
    if (m_sink)
        m_sink(line, from);
    log(QStringLiteral("DONE!"));
}

QString SkypeChannel::decodeLine(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), nul < 0 ? bytes.size() : nul);
}

} // namespace verbalink
