#include "translate/net/ConnectionSettingsForm.h"

#include "translate/net/ServiceConnections.h"
#include "translate/text/UtfConversion.h"

#include <QNetworkProxyFactory>
#include <QNetworkProxyQuery>

namespace verbalink {

namespace {

// The dialog reads at most this many characters of a field before converting it.
constexpr qsizetype FieldReadLimit = 1024;

QByteArray narrowField(const QString& text)
{
    return toAnsi(QStringView(text).left(FieldReadLimit), ProxyFieldLimit);
}

} // namespace

ConnectionSettingsForm::ConnectionSettingsForm(SettingWriter writer,
                                               ServiceConnections& connections)
    : m_writer(std::move(writer)), m_connections(connections),
      m_detectionUrl(QStringLiteral("http://www.google.com/"))
{}

void ConnectionSettingsForm::open(const ProxySettings& stored)
{
    m_open = true;
    m_typeIndex = proxyTypeOf(stored.type);
    m_address = fromAnsi(stored.address, FieldReadLimit);
    m_userName = fromAnsi(stored.userName, FieldReadLimit);
    m_password = fromAnsi(stored.password, FieldReadLimit);
    m_port = stored.port > 0 ? QString::number(stored.port) : QString();
    m_useProxy = stored.enabled == 1;
}

void ConnectionSettingsForm::autoDetect()
{
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(m_detectionUrl));
    for (const QNetworkProxy& proxy : proxies) {
        if (proxy.type() == QNetworkProxy::NoProxy || proxy.hostName().isEmpty())
            continue;
        m_useProxy = true;
        m_address = proxy.hostName();
        m_port = QString::number(proxy.port());
        return;
    }
    m_useProxy = false;
}

ProxySettings ConnectionSettingsForm::fieldsAsSettings() const
{
    ProxySettings settings;
    settings.enabled = m_useProxy ? 1 : 0;
    settings.type = proxyTypeOf(m_typeIndex);
    settings.address = narrowField(m_address);
    settings.port = portNumber(m_port);
    settings.userName = narrowField(m_userName);
    settings.password = narrowField(m_password);
    return settings;
}

ProxySettings ConnectionSettingsForm::save()
{
    ProxySettings settings = fieldsAsSettings();
    m_writer(QStringLiteral("ProxyEnable"),
             settings.enabled ? QStringLiteral("1") : QStringLiteral("0"));
    m_writer(QStringLiteral("ProxyAddress"), QString::fromUtf8(settings.address));
    m_writer(QStringLiteral("ProxyPort"), QString::number(settings.port));
    m_writer(QStringLiteral("ProxyUsername"), QString::fromUtf8(settings.userName));
    m_writer(QStringLiteral("ProxyPassword"), QString::fromUtf8(settings.password));
    m_writer(QStringLiteral("ProxyType"), QString::number(settings.type));
    m_connections.applyProxySettings(settings);
    m_open = false;
    return m_connections.proxySettings();
}

ConnectionSettingsForm::Result ConnectionSettingsForm::cancel()
{
    m_open = false;
    return Cancelled;
}

int ConnectionSettingsForm::portNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9' && value <= 65535; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    return negative || value > 65535 ? 0 : int(value);
}

} // namespace verbalink
