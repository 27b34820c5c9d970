#include "translate/net/HttpConnection.h"

#include "platform/MessageBoxPort.h"
#include "translate/net/HostResolution.h"
#include "translate/net/TcpSocket.h"
#include "translate/text/UtfConversion.h"

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
        m_config.route.hostName = target.name;
        m_config.route.port = target.port;
        m_config.route.hostAddress = 0;
        proxyInUse = m_config.route.proxyInUse;
    }
    quint32 address = resolveIpv4(target.name);
    if (address == 0 && proxyInUse)
        address = ProxyResolvesName;
    std::lock_guard lock(m_configMutex);
    if (m_config.generation == generation)
        m_config.route.hostAddress = address;
    return address != 0;
}

void HttpConnection::applyProxy(const ProxySettings& settings)
{
    std::lock_guard lock(m_configMutex);
    ++m_config.generation;
    m_config.route.proxyInUse = true;
    m_config.proxyHost = fieldText(settings.address);
    m_config.proxyPort = portOf(settings.port);
    m_config.route.proxyType = proxyTypeOf(settings.type);
    m_config.route.proxyUserName = fieldText(settings.userName);
    m_config.route.proxyPassword = fieldText(settings.password);
    m_config.proxyAddress = 0;
    m_config.route.hostAddress = 0;
}

void HttpConnection::setUp(QByteArrayView host, int timeoutValue, const ProxySettings& proxy)
{
    setTimeoutValue(timeoutValue);
    setSingleRead(false);
    setHost(host);
    if (proxy.enabled)
        applyProxy(proxy);
}

void HttpConnection::disableProxy()
{
    std::lock_guard lock(m_configMutex);
    ++m_config.generation;
    m_config.route.proxyInUse = false;
    // A placeholder address means nothing without the proxy: resolve the host again.
    if (m_config.route.hostAddress == ProxyResolvesName)
        m_config.route.hostAddress = 0;
}

void HttpConnection::setTimeoutValue(int value)
{
    std::lock_guard lock(m_configMutex);
    m_config.route.timeoutValue = value;
}

void HttpConnection::setSingleRead(bool singleRead)
{
    std::lock_guard lock(m_configMutex);
    m_config.route.singleRead = singleRead;
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
    const ExchangeDialogue::Outcome outcome =
        ExchangeDialogue::run(socket, config.route, request, response, capacity);
    if (outcome.proxyRefused) {
        showProxyErrorOnce(config.route.proxyType == ProxySettings::Socks4
                               ? QStringLiteral("Can't establish proxy connection (SOCKS4)!\n"
                                                "Please, check your proxy settings!")
                               : QStringLiteral("Can't establish proxy connection (SOCKS5)!\n"
                                                "Please, check your proxy settings!"));
    }
    return outcome.count;
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
    m_config.route.hostAddress = used.route.hostAddress;
    m_config.proxyAddress = used.proxyAddress;
}

bool HttpConnection::connect(Config& config, TcpSocket& socket)
{
    if (config.route.hostAddress == 0) {
        config.route.hostAddress = resolveIpv4(config.route.hostName);
        if (config.route.hostAddress == 0 && config.route.proxyInUse)
            config.route.hostAddress = ProxyResolvesName;
        if (config.route.hostAddress == 0)
            return false;
    }
    if (!config.route.proxyInUse)
        return socket.connectTo(config.route.hostAddress, config.route.port);
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

void HttpConnection::showProxyErrorOnce(const QString& text)
{
    if (!m_proxyErrorShown.exchange(true))
        m_messageBox.showMessage(text, QStringLiteral("Error"));
}

QByteArray HttpConnection::hostName() const
{
    return snapshot().route.hostName;
}

quint16 HttpConnection::port() const
{
    return snapshot().route.port;
}

int HttpConnection::timeoutValue() const
{
    return snapshot().route.timeoutValue;
}

bool HttpConnection::singleRead() const
{
    return snapshot().route.singleRead;
}

bool HttpConnection::proxyInUse() const
{
    return snapshot().route.proxyInUse;
}

quint32 HttpConnection::hostAddress() const
{
    return snapshot().route.hostAddress;
}

} // namespace verbalink
