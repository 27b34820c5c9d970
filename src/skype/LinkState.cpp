#include "skype/LinkState.h"

namespace verbalink {

bool LinkState::changeAttachState(int expected, int desired)
{
    return m_attachState.compare_exchange_strong(expected, desired);
}

QList<SkypeEndpoint> LinkState::endpoints() const
{
    std::lock_guard lock(m_mutex);
    return m_endpoints;
}

bool LinkState::hasEndpoints() const
{
    std::lock_guard lock(m_mutex);
    return !m_endpoints.isEmpty();
}

bool LinkState::isListed(const SkypeEndpoint& endpoint) const
{
    if (endpoint.isEmpty())
        return false;
    std::lock_guard lock(m_mutex);
    return m_endpoints.contains(endpoint);
}

void LinkState::attach(const SkypeEndpoint& endpoint)
{
    std::lock_guard lock(m_mutex);
    if (!m_endpoints.contains(endpoint))
        m_endpoints.append(endpoint);
    m_attachState.store(StateAttached);
}

void LinkState::dropEndpoint(const SkypeEndpoint& endpoint)
{
    std::lock_guard lock(m_mutex);
    const qsizetype at = m_endpoints.indexOf(endpoint);
    if (at >= 0)
        m_endpoints[at].clear();
    m_attachState.store(StateNotAttached);
}

void LinkState::dropStalled(const SkypeEndpoint& endpoint)
{
    std::lock_guard lock(m_mutex);
    m_endpoints.removeIf([&](const SkypeEndpoint& e) { return e.isEmpty() || e == endpoint; });
    m_attachState.store(StateNotAttached);
}

void LinkState::forget(const SkypeEndpoint& endpoint)
{
    std::lock_guard lock(m_mutex);
    m_endpoints.removeIf([&](const SkypeEndpoint& e) { return e.isEmpty() || e == endpoint; });
    if (m_endpoints.isEmpty())
        m_attachState.store(StateNotAttached);
}

void LinkState::reset()
{
    std::lock_guard lock(m_mutex);
    m_endpoints.clear();
    m_attachState.store(StateNotAttached);
}

void LinkState::clearEndpoints()
{
    std::lock_guard lock(m_mutex);
    m_endpoints.clear();
}

} // namespace verbalink
