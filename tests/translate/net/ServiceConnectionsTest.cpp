#include "translate/net/ServiceConnections.h"

#include "FakeMessageBox.h"
#include "translate/net/ConnectionSettingsForm.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using test::FakeMessageBox;

const Service AllServices[] = {Service::Google,  Service::Yahoo,   Service::Bing,
                               Service::Babylon, Service::SysTran, Service::Promt};

ProxySettings socksProxy(QByteArray user, QByteArray password)
{
    ProxySettings settings;
    settings.enabled = 1;
    settings.address = "127.0.0.1";
    settings.port = 1080;
    settings.type = ProxySettings::Socks5;
    settings.userName = std::move(user);
    settings.password = std::move(password);
    return settings;
}

TEST(ServiceConnections, SetUpGivesTheServiceTimeoutAndBingReadsSingle)
{
    FakeMessageBox boxes;
    ServiceConnections connections(boxes);
    for (const Service service : AllServices) {
        connections.setUp(service, "127.0.0.1:8080");
        EXPECT_EQ(connections.connection(service).timeoutValue(), 5000);
        EXPECT_EQ(connections.connection(service).port(), 8080);
        EXPECT_EQ(connections.connection(service).singleRead(), service == Service::Bing);
    }
}

TEST(ServiceConnections, ApplyingRoutesAllSixAndRebuildsTheAuthorizationLine)
{
    FakeMessageBox boxes;
    ServiceConnections connections(boxes);
    connections.applyProxySettings(socksProxy("user", "pass"));
    for (const Service service : AllServices)
        EXPECT_TRUE(connections.connection(service).proxyInUse());
    EXPECT_EQ(connections.proxyAuthorizationLine(),
              QByteArray("Proxy-Authorization: Basic dXNlcjpwYXNz\r\n"));

    // Clearing the user name drops the line at once, the proxy stays in use.
    connections.applyProxySettings(socksProxy({}, "pass"));
    EXPECT_TRUE(connections.proxyAuthorizationLine().isEmpty());
    EXPECT_TRUE(connections.connection(Service::Promt).proxyInUse());

    connections.applyProxySettings(socksProxy("user", {}));
    EXPECT_EQ(connections.proxyAuthorizationLine(),
              QByteArray("Proxy-Authorization: Basic dXNlcjo=\r\n"));

    ProxySettings disabled = socksProxy("user", "pass");
    disabled.enabled = 0;
    connections.applyProxySettings(disabled);
    for (const Service service : AllServices)
        EXPECT_FALSE(connections.connection(service).proxyInUse());
    EXPECT_TRUE(connections.proxyAuthorizationLine().isEmpty());
    EXPECT_EQ(connections.proxySettings().userName, QByteArray("user"));
}

TEST(ServiceConnections, CredentialsAtTheFieldLimitsAreEncodedWhole)
{
    const QByteArray user(99, 'u');
    const QByteArray password(99, 'p');
    const QByteArray line = proxyAuthorizationLineFor(socksProxy(user, password));
    const QByteArray encoded = line.sliced(27, line.size() - 29);
    EXPECT_EQ(QByteArray::fromBase64(encoded), user + ':' + password);
}

class ConnectionSettingsFormTest : public ::testing::Test {
protected:
    FakeMessageBox boxes;
    ServiceConnections connections{boxes};
    QStringList written;
    QHash<QString, QString> stored;
    ConnectionSettingsForm form{[this](const QString& name, const QString& text) {
                                    written << name;
                                    stored[name] = text;
                                    return true;
                                },
                                connections};
};

TEST_F(ConnectionSettingsFormTest, OpeningShowsTheStoredSettings)
{
    ProxySettings stored = socksProxy("b\xC3\xB6"
                                      "b",
                                      "pw");
    stored.type = ProxySettings::Socks4;
    form.open(stored);
    EXPECT_TRUE(form.isOpen());
    EXPECT_TRUE(form.useProxy());
    EXPECT_TRUE(form.fieldsEnabled());
    EXPECT_EQ(form.typeIndex(), 2);
    EXPECT_EQ(form.address(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(form.port(), QStringLiteral("1080"));
    EXPECT_EQ(form.userName(), QStringLiteral("b\u00F6b"));

    stored.enabled = 0;
    stored.port = 0;
    stored.type = 7;
    form.open(stored);
    EXPECT_FALSE(form.fieldsEnabled());
    EXPECT_TRUE(form.port().isEmpty());
    EXPECT_EQ(form.typeIndex(), 0);
}

TEST_F(ConnectionSettingsFormTest, SaveStoresSixValuesInOrderAndAppliesThem)
{
    form.open({});
    form.setUseProxy(true);
    form.setTypeIndex(1);
    form.setAddress(QStringLiteral("proxy.local"));
    form.setPort(QStringLiteral("8080abc"));
    form.setUserName(QStringLiteral("user"));
    form.setPassword(QStringLiteral("pass"));
    const ProxySettings saved = form.save();
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(written, QStringList({QStringLiteral("ProxyEnable"), QStringLiteral("ProxyAddress"),
                                    QStringLiteral("ProxyPort"), QStringLiteral("ProxyUsername"),
                                    QStringLiteral("ProxyPassword"), QStringLiteral("ProxyType")}));
    EXPECT_EQ(stored[QStringLiteral("ProxyEnable")], QStringLiteral("1"));
    EXPECT_EQ(stored[QStringLiteral("ProxyPort")], QStringLiteral("8080"));
    EXPECT_EQ(stored[QStringLiteral("ProxyType")], QStringLiteral("1"));
    EXPECT_EQ(saved.port, 8080);
    EXPECT_FALSE(saved.proxyAuthorizationLine.isEmpty());
    EXPECT_TRUE(connections.connection(Service::Bing).proxyInUse());

    // Unchecked and saved: all six go direct and the line is gone at once.
    form.open(saved);
    form.setUseProxy(false);
    form.save();
    EXPECT_EQ(stored[QStringLiteral("ProxyEnable")], QStringLiteral("0"));
    for (const Service service : {Service::Google, Service::Promt})
        EXPECT_FALSE(connections.connection(service).proxyInUse());
    EXPECT_TRUE(connections.proxyAuthorizationLine().isEmpty());
}

TEST_F(ConnectionSettingsFormTest, PortFieldsReadUpToTheFirstNonDigit)
{
    const std::pair<const char16_t*, int> cases[] = {
        {u"8080", 8080}, {u"8080abc", 8080}, {u" 3128", 3128}, {u"", 0},
        {u"abc", 0},     {u"-5", 0},         {u"65536", 0},    {u"99999999999999", 0},
    };
    for (const auto& [text, port] : cases)
        EXPECT_EQ(ConnectionSettingsForm::portNumber(QString::fromUtf16(text)), port)
            << QString::fromUtf16(text).toStdString();
}

TEST_F(ConnectionSettingsFormTest, LongFieldsAreCutAtACharacterBoundary)
{
    form.open({});
    form.setAddress(QString(98, u'a') + QStringLiteral("\u00E9tail"));
    form.setPassword(QString(2000, u'p'));
    const ProxySettings settings = form.fieldsAsSettings();
    EXPECT_EQ(settings.address, QByteArray(98, 'a'));
    EXPECT_EQ(settings.password, QByteArray(99, 'p'));
}

TEST_F(ConnectionSettingsFormTest, CancelStoresAndAppliesNothing)
{
    form.open({});
    form.setUseProxy(true);
    form.setAddress(QStringLiteral("proxy"));
    EXPECT_EQ(form.cancel(), ConnectionSettingsForm::Cancelled);
    EXPECT_FALSE(form.isOpen());
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(connections.connection(Service::Google).proxyInUse());
}

// The desktop's proxy as the environment states it.
class ScopedProxyEnvironment {
public:
    explicit ScopedProxyEnvironment(const QByteArray& proxy)
    {
        for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY", "no_proxy"})
            m_saved.append({name, qgetenv(name)});
        for (const auto& entry : m_saved)
            qunsetenv(entry.first);
        if (!proxy.isEmpty())
            qputenv("http_proxy", proxy);
    }
    ~ScopedProxyEnvironment()
    {
        for (const auto& [name, value] : m_saved) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

private:
    QList<std::pair<const char*, QByteArray>> m_saved;
};

TEST_F(ConnectionSettingsFormTest, AutoDetectFillsAddressAndPortAndKeepsTheType)
{
    form.open({});
    form.setTypeIndex(2);
    {
        ScopedProxyEnvironment environment("http://proxyhost:8080");
        form.autoDetect();
    }
    EXPECT_TRUE(form.useProxy());
    EXPECT_EQ(form.address(), QStringLiteral("proxyhost"));
    EXPECT_EQ(form.port(), QStringLiteral("8080"));
    EXPECT_EQ(form.typeIndex(), 2);
    EXPECT_TRUE(written.isEmpty());

    {
        ScopedProxyEnvironment environment({});
        form.autoDetect();
    }
    EXPECT_FALSE(form.useProxy());
    EXPECT_FALSE(form.fieldsEnabled());
    EXPECT_EQ(form.address(), QStringLiteral("proxyhost")); // nothing else changes
    EXPECT_TRUE(written.isEmpty());
}

} // namespace
} // namespace verbalink
