#pragma once

#include <QByteArray>

namespace verbalink {

// The proxy the service requests go through, as stored in the settings and edited in the
// Connection Settings dialog. Text fields are UTF-8 of at most ProxyFieldLimit bytes.
struct ProxySettings {
    enum Type { Http = 0, Socks5 = 1, Socks4 = 2 };

    int enabled = 0;
    QByteArray address;
    int port = 0;
    int type = Http;
    QByteArray userName;
    QByteArray password;
    // "Proxy-Authorization: Basic <base64>\r\n", or empty; derived, never stored.
    QByteArray proxyAuthorizationLine;

    bool operator==(const ProxySettings&) const = default;
};

// The widest narrow field, in bytes, without its terminator.
inline constexpr qsizetype ProxyFieldLimit = 99;

// The header line for these credentials: empty when there is no user name. The joined
// "user:password" is encoded whole, so credentials near the field limits are never cut.
QByteArray proxyAuthorizationLineFor(const ProxySettings& settings);

// The type as a connection uses it: anything outside 0..2 is HTTP.
ProxySettings::Type proxyTypeOf(int storedType);

} // namespace verbalink
