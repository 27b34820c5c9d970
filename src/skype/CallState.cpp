#include "skype/CallState.h"

namespace verbalink {

CallState::Snapshot CallState::snapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_call;
}

void CallState::begin(const QString& callId, const SkypeEndpoint& window)
{
    std::lock_guard lock(m_mutex);
    m_call = Snapshot();
    m_call.callId = callId;
    m_call.window = window;
    m_call.inCall = true;
}

void CallState::updateDuration(const QString& callId, const QString& duration,
                               const SkypeEndpoint& window)
{
    std::lock_guard lock(m_mutex);
    m_call.inCall = true;
    m_call.duration = duration;
    m_call.callId = callId;
    m_call.window = window;
}

void CallState::setPartnerName(const QString& name)
{
    std::lock_guard lock(m_mutex);
    m_call.partnerName = name;
}

void CallState::finish()
{
    std::lock_guard lock(m_mutex);
    m_call.inCall = false;
}

} // namespace verbalink
