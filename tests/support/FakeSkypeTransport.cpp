#include "FakeSkypeTransport.h"

#include <QStringList>
#include <utility>

namespace verbalink::test {

void FakeSkypeTransport::setHandlers(Handlers handlers)
{
    std::lock_guard lock(m_mutex);
    m_handlers = std::move(handlers);
}

bool FakeSkypeTransport::postDiscover()
{
    std::lock_guard lock(m_mutex);
    ++m_discovers;
    return m_discoverSucceeds;
}

SendResult FakeSkypeTransport::send(const SkypeEndpoint& to, const QByteArray& command)
{
    std::function<void(const Sent&)> onSend;
    const Sent sent{to, command};
    {
        std::lock_guard lock(m_mutex);
        m_sent.append(sent);
        const SendResult result = m_results.value(to, {SendResult::Delivered, {}});
        if (result.outcome != SendResult::Delivered)
            return result;
        onSend = m_onSend;
    }
    if (onSend)
        onSend(sent);
    return {SendResult::Delivered, {}};
}

void FakeSkypeTransport::setFailing(const SkypeEndpoint& endpoint, bool failing)
{
    setResult(endpoint, {failing ? SendResult::Failed : SendResult::Delivered, {}});
}

void FakeSkypeTransport::setResult(const SkypeEndpoint& endpoint, const SendResult& result)
{
    std::lock_guard lock(m_mutex);
    m_results.insert(endpoint, result);
}

void FakeSkypeTransport::setDiscoverSucceeds(bool succeeds)
{
    std::lock_guard lock(m_mutex);
    m_discoverSucceeds = succeeds;
}

void FakeSkypeTransport::setOnSend(std::function<void(const Sent&)> onSend)
{
    std::lock_guard lock(m_mutex);
    m_onSend = std::move(onSend);
}

void FakeSkypeTransport::deliverAttach(const SkypeEndpoint& from, int status)
{
    std::function<void(const SkypeEndpoint&, int)> attach;
    {
        std::lock_guard lock(m_mutex);
        attach = m_handlers.attach;
    }
    if (attach)
        attach(from, status);
}

void FakeSkypeTransport::deliverLine(const SkypeEndpoint& from, const QByteArray& bytes)
{
    std::function<void(const SkypeEndpoint&, const QByteArray&)> received;
    {
        std::lock_guard lock(m_mutex);
        received = m_handlers.received;
    }
    if (received)
        received(from, bytes);
}

void FakeSkypeTransport::deliverGone(const SkypeEndpoint& endpoint)
{
    std::function<void(const SkypeEndpoint&)> gone;
    {
        std::lock_guard lock(m_mutex);
        gone = m_handlers.gone;
    }
    if (gone)
        gone(endpoint);
}

QList<FakeSkypeTransport::Sent> FakeSkypeTransport::sent() const
{
    std::lock_guard lock(m_mutex);
    return m_sent;
}

QStringList FakeSkypeTransport::commands(const SkypeEndpoint& to) const
{
    std::lock_guard lock(m_mutex);
    QStringList result;
    for (const Sent& sent : m_sent) {
        if (to.isEmpty() || sent.to == to)
            result.append(QString::fromUtf8(sent.command));
    }
    return result;
}

int FakeSkypeTransport::discoverCount() const
{
    std::lock_guard lock(m_mutex);
    return m_discovers;
}

void FakeSkypeTransport::clear()
{
    std::lock_guard lock(m_mutex);
    m_sent.clear();
    m_discovers = 0;
}

} // namespace verbalink::test
