#pragma once

#include "translate/net/HttpConnection.h"
#include "translate/net/ProxySettings.h"

#include <QByteArrayView>
#include <array>
#include <memory>
#include <mutex>

namespace verbalink {

class MessageBoxPort;

// The translation services, in their fixed order.
enum class Service { Google, Yahoo, Bing, Babylon, SysTran, Promt };
inline constexpr int ServiceCount = 6;

// The six service connections and the proxy record they follow. Lives as long as the program;
// the outgoing worker exchanges on the connections while the settings dialog applies changes
// (see HttpConnection for why the two never overlap).
class ServiceConnections {
public:
    explicit ServiceConnections(MessageBoxPort& messageBox);

    HttpConnection& connection(Service service);

    // Points a connection at its host with the services' time-out value (5000); Bing's
    // connection reads in single-read mode, as that service keeps its connections open.
    void setUp(Service service, QByteArrayView host);

    // Stores the record and pushes it into all six connections in service order: enabled, each
    // routes through the proxy; disabled, each goes direct. The Proxy-Authorization line is
    // rebuilt every time and is empty while the proxy is disabled or has no user name.
    void applyProxySettings(const ProxySettings& settings);

    // The record as last applied, with its derived line; connections of other features copy it
    // when they are set up.
    ProxySettings proxySettings() const;
    // The header line every service request carries, or empty.
    QByteArray proxyAuthorizationLine() const;

private:
    std::array<std::unique_ptr<HttpConnection>, ServiceCount> m_connections;
    mutable std::mutex m_settingsMutex;
    ProxySettings m_settings;
};

} // namespace verbalink
