#include "translate/net/HttpConnection.h"

#include "platform/MessageBoxPort.h"
#include "translate/net/HostResolution.h"
#include "translate/net/ProxyHandshake.h"
#include "translate/net/TcpSocket.h"
#include "translate/text/UtfConversion.h"

#include <algorithm>
#include <climits>

namespace verbalink {

namespace {

QByteArray fieldText(QByteArrayView bytes)
{
    return toAnsi(QString::fromUtf8(bytes), HttpConnection::FieldLimit);
}

quint16 portOf(int value)
{
    return value > 0 && value <= 65535 ? quint16(value) : 0;
}

} // namespace

HttpConnection::HttpConnection(MessageBoxPort& messageBox) : m_messageBox(messageBox) {}

HttpConnection::~HttpConnection() = default;

bool HttpConnection::setHost(QByteArrayView host)
{
    HostAndPort target = splitHostPort(host);
    target.name = fieldText(target.name);
    bool proxyInUse = false;
    quint64 generation = 0;
    {
        std::lock_guard lock(m_configMutex);
        generation = ++m_config.generation;
        m_config.hostName = target.name;
        m_config.port = target.port;
        m_config.hostAddress = 0;
        proxyInUse = m_config.proxyInUse;
    }
    quint32 address = resolveIpv4(target.name);
    if (address == 0 && proxyInUse)
        address = ProxyResolvesName;
    std::lock_guard lock(m_configMutex);
    if (m_config.generation == generation)
        m_config.hostAddress = address;
    return address != 0;
}

void HttpConnection::applyProxy(const ProxySettings& settings)
{
    std::lock_guard lock(m_configMutex);
    ++m_config.generation;
    m_config.proxyInUse = true;
    m_config.proxyHost = fieldText(settings.address);
    m_config.proxyPort = portOf(settings.port);
    m_config.proxyType = proxyTypeOf(settings.type);
    m_config.proxyUserName = fieldText(settings.userName);
    m_config.proxyPassword = fieldText(settings.password);
    m_config.proxyAddress = 0;
    m_config.hostAddress = 0;
}

void HttpConnection::disableProxy()
{
    std::lock_guard lock(m_configMutex);
    ++m_config.generation;
    m_config.proxyInUse = false;
    // A placeholder address means nothing without the proxy: resolve the host again.
    if (m_config.hostAddress == ProxyResolvesName)
        m_config.hostAddress = 0;
}

void HttpConnection::setTimeoutValue(int value)
{
    std::lock_guard lock(m_configMutex);
    m_config.timeoutValue = value;
}

void HttpConnection::setSingleRead(bool singleRead)
{
    std::lock_guard lock(m_configMutex);
    m_config.singleRead = singleRead;
}

int HttpConnection::exchange(QByteArrayView request, QByteArray& response, qsizetype capacity)
{
    std::lock_guard exchangeLock(m_exchangeMutex);
    Config config = snapshot();
    TcpSocket socket;
    const bool connected = connect(config, socket);
    keepResolved(config);
    if (!connected)
        return -1;
    if (config.proxyInUse) {
        bool open = false;
        const int result = handshake(config, socket, &open);
        if (!open)
            return result;
    }
    if (!socket.send(request))
        return -1;
    const bool singleRead =
        config.proxyInUse && config.proxyType != ProxySettings::Http ? true : config.singleRead;
    capacity = std::clamp<qsizetype>(capacity, 0, INT_MAX - 1);
    response.resize(capacity);
    const int count = socket.receive(response.data(), capacity, singleRead, config.timeoutValue);
    response.resize(qMax(count, 0));
    return count;
}

HttpConnection::Config HttpConnection::snapshot() const
{
    std::lock_guard lock(m_configMutex);
    return m_config;
}

void HttpConnection::keepResolved(const Config& used)
{
    std::lock_guard lock(m_configMutex);
    if (m_config.generation != used.generation)
        return;
    m_config.hostAddress = used.hostAddress;
    m_config.proxyAddress = used.proxyAddress;
}

bool HttpConnection::connect(Config& config, TcpSocket& socket)
{
    if (config.hostAddress == 0) {
        config.hostAddress = resolveIpv4(config.hostName);
        if (config.hostAddress == 0 && config.proxyInUse)
            config.hostAddress = ProxyResolvesName;
        if (config.hostAddress == 0)
            return false;
    }
    if (!config.proxyInUse)
        return socket.connectTo(config.hostAddress, config.port);
    if (config.proxyAddress == 0) {
        config.proxyAddress = resolveIpv4(config.proxyHost);
        if (config.proxyAddress == 0)
            return false;
    }
    if (config.proxyPort != 0 && socket.connectTo(config.proxyAddress, config.proxyPort))
        return true;
    showProxyErrorOnce(
        QStringLiteral("Can't establish proxy connection!\nPlease, check your proxy settings!"));
    return false;
}

int HttpConnection::handshake(const Config& config, TcpSocket& socket, bool* open)
{
    ProxyHandshake::Result result;
    QString refusal;
    switch (config.proxyType) {
    case ProxySettings::Http:
        *open = true;
        return 0;
    case ProxySettings::Socks5:
        result = ProxyHandshake::socks5(socket, config.hostName, config.port, config.proxyUserName,
                                        config.proxyPassword, config.timeoutValue);
        refusal = QStringLiteral(
            "Can't establish proxy connection (SOCKS5)!\nPlease, check your proxy settings!");
        break;
    case ProxySettings::Socks4:
        result = ProxyHandshake::socks4(socket, config.hostAddress, config.port,
                                        config.proxyUserName, config.timeoutValue);
        refusal = QStringLiteral(
            "Can't establish proxy connection (SOCKS4)!\nPlease, check your proxy settings!");
        break;
    }
    *open = result.outcome == ProxyHandshake::Outcome::Open;
    if (result.outcome == ProxyHandshake::Outcome::Refused)
        showProxyErrorOnce(refusal);
    return result.count;
}

void HttpConnection::showProxyErrorOnce(const QString& text)
{
    if (!m_proxyErrorShown.exchange(true))
        m_messageBox.showMessage(text, QStringLiteral("Error"));
}

QByteArray HttpConnection::hostName() const
{
    return snapshot().hostName;
}

quint16 HttpConnection::port() const
{
    return snapshot().port;
}

int HttpConnection::timeoutValue() const
{
    return snapshot().timeoutValue;
}

bool HttpConnection::singleRead() const
{
    return snapshot().singleRead;
}

bool HttpConnection::proxyInUse() const
{
    return snapshot().proxyInUse;
}

quint32 HttpConnection::hostAddress() const
{
    return snapshot().hostAddress;
}

} // namespace verbalink
