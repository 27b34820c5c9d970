#include "translate/net/ProxySettings.h"

#include "translate/text/Base64.h"

namespace verbalink {

QByteArray proxyAuthorizationLineFor(const ProxySettings& settings)
{
    if (settings.userName.isEmpty())
        return {};
    QByteArray credentials = settings.userName;
    credentials.append(':').append(settings.password);
    return QByteArray("Proxy-Authorization: Basic ")
        .append(base64Encode(credentials))
        .append("\r\n");
}

ProxySettings::Type proxyTypeOf(int storedType)
{
    switch (storedType) {
    case ProxySettings::Socks5:
        return ProxySettings::Socks5;
    case ProxySettings::Socks4:
        return ProxySettings::Socks4;
    default:
        return ProxySettings::Http;
    }
}

} // namespace verbalink
