#pragma once

#include "skype/SkypeTransport.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <mutex>

namespace verbalink::test {

// A transport that records every send and discover, fails on request, and lets a test play
// the chat client by delivering attach statuses and lines.
class FakeSkypeTransport final : public SkypeTransport {
public:
    struct Sent {
        SkypeEndpoint to;
        QByteArray command;
    };

    void setHandlers(Handlers handlers) override;
    bool postDiscover() override;
    SendResult send(const SkypeEndpoint& to, const QByteArray& command) override;

    // Sends to this endpoint fail (time-out or vanished peer) until allowed again.
    void setFailing(const SkypeEndpoint& endpoint, bool failing = true);
    // Sends to this endpoint end this way until set otherwise; anything but Delivered skips
    // the send hook.
    void setResult(const SkypeEndpoint& endpoint, const SendResult& result);
    void setDiscoverSucceeds(bool succeeds);
    // Called after a send has been recorded, as a client answering at once would.
    void setOnSend(std::function<void(const Sent&)> onSend);

    void deliverAttach(const SkypeEndpoint& from, int status);
    void deliverLine(const SkypeEndpoint& from, const QByteArray& bytes);
    void deliverGone(const SkypeEndpoint& endpoint);

    QList<Sent> sent() const;
    // The commands sent, as text, in order; to one endpoint when given.
    QStringList commands(const SkypeEndpoint& to = {}) const;
    int discoverCount() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    Handlers m_handlers;
    QList<Sent> m_sent;
    QHash<SkypeEndpoint, SendResult> m_results;
    std::function<void(const Sent&)> m_onSend;
    bool m_discoverSucceeds = true;
    int m_discovers = 0;
};

} // namespace verbalink::test
