#pragma once

#include "skype/HandlerSlot.h"
#include "skype/LinkState.h"
#include "skype/SkypeTransport.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace verbalink {

// The command channel: sends commands to attached endpoints and turns received bytes into
// lines for the dispatcher. Sending is safe from any thread; receiving runs on the main thread.
class SkypeChannel {
public:
    using LogSlot = HandlerSlot<void(const QString&)>;
    using LineSink = std::function<void(const QString& line, const SkypeEndpoint& from)>;

    SkypeChannel(SkypeTransport& transport, LinkState& state, const LogSlot& log, LineSink sink);

    // True when delivered (an empty command counts as delivered without being sent), also when
    // the client answered with an error. A failed delivery clears the endpoint's list entry and
    // drops the link to not attached; a client that stalled is dropped from the list, so the
    // link discovers it again.
    bool sendCommand(const QByteArray& command, const SkypeEndpoint& to);
    bool sendCommand(const QString& command, const SkypeEndpoint& to);
    // One command to every listed endpoint in list order; failures are not reported.
    void sendToAll(const QByteArray& command);
    void sendToAll(const QString& command);

    // Bytes from an endpoint; ignored unless the endpoint is listed.
    void receive(const SkypeEndpoint& from, const QByteArray& bytes);

    // The line text: UTF-8 up to the first NUL, invalid sequences replaced.
    static QString decodeLine(const QByteArray& bytes);

private:
    void log(const QString& line) const { m_log(line); }

    SkypeTransport& m_transport;
    LinkState& m_state;
    const LogSlot& m_log;
    LineSink m_sink;
};

} // namespace verbalink
