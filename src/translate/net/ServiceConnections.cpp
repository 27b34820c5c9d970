#include "translate/net/ServiceConnections.h"

namespace verbalink {

namespace {

constexpr int ServiceTimeoutValue = 5000;

} // namespace

ServiceConnections::ServiceConnections(MessageBoxPort& messageBox)
{
    for (auto& connection : m_connections)
        connection = std::make_unique<HttpConnection>(messageBox);
}

HttpConnection& ServiceConnections::connection(Service service)
{
    return *m_connections.at(std::size_t(service));
}

void ServiceConnections::setUp(Service service, QByteArrayView host)
{
    HttpConnection& target = connection(service);
    target.setHost(host);
    target.setTimeoutValue(ServiceTimeoutValue);
    target.setSingleRead(service == Service::Bing);
}

void ServiceConnections::applyProxySettings(const ProxySettings& settings)
{
    ProxySettings applied = settings;
    const bool enabled = settings.enabled == 1;
    for (auto& connection : m_connections) {
        if (enabled)
            connection->applyProxy(applied);
        else
            connection->disableProxy();
    }
    applied.proxyAuthorizationLine = enabled ? proxyAuthorizationLineFor(applied) : QByteArray();
    std::lock_guard lock(m_settingsMutex);
    m_settings = applied;
}

ProxySettings ServiceConnections::proxySettings() const
{
    std::lock_guard lock(m_settingsMutex);
    return m_settings;
}

QByteArray ServiceConnections::proxyAuthorizationLine() const
{
    std::lock_guard lock(m_settingsMutex);
    return m_settings.proxyAuthorizationLine;
}

} // namespace verbalink
