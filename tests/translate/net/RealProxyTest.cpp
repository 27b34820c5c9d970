#include "FakeMessageBox.h"
#include "ProxyProcess.h"
#include "ScriptedServer.h"
#include "translate/net/HttpConnection.h"

#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

using test::FakeMessageBox;
using test::ProxyProcess;
using test::ScriptedServer;

const QByteArray Answer = "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello";

ProxySettings proxyAt(quint16 port, ProxySettings::Type type, QByteArray user = {},
                      QByteArray password = {})
{
    ProxySettings settings;
    settings.enabled = 1;
    settings.address = "localhost";
    settings.port = port;
    settings.type = type;
    settings.userName = std::move(user);
    settings.password = std::move(password);
    return settings;
}

// Exchanges through a real proxy with a loopback server that answers and closes.
class RealProxyTest : public ::testing::Test {
protected:
    FakeMessageBox boxes;
    HttpConnection connection{boxes};
    ScriptedServer server{{ScriptedServer::readRequest(), ScriptedServer::write(Answer)}};
    QByteArray response;

    QByteArray request() const
    {
        return "GET http://" + server.hostPort() + "/t HTTP/1.0\r\nHost: " + server.hostPort() +
               "\r\n\r\n";
    }

    void expectAnswerThrough(const ProxySettings& settings)
    {
        connection.setTimeoutValue(5000);
        connection.applyProxy(settings);
        connection.setHost(server.hostPort());
        ASSERT_EQ(connection.exchange(request(), response, 100000), Answer.size());
        EXPECT_EQ(response, Answer);
        ASSERT_EQ(server.connectionCount(), 1);
        EXPECT_TRUE(server.received()[0].startsWith("GET "));
        EXPECT_TRUE(boxes.boxes().isEmpty());
    }
};

#define START_OR_SKIP(proxy)                                                                       \
    if (!(proxy)->failure().isEmpty())                                                             \
    GTEST_SKIP() << qPrintable((proxy)->failure())

TEST_F(RealProxyTest, Socks5WithUserNameAndPassword)
{
    const auto proxy = ProxyProcess::microsocks(QStringLiteral("alice"), QStringLiteral("s3cret"));
    START_OR_SKIP(proxy);
    expectAnswerThrough(proxyAt(proxy->port(), ProxySettings::Socks5, "alice", "s3cret"));
}

TEST_F(RealProxyTest, Socks5WithWrongPasswordIsRefusedOnce)
{
    const auto proxy = ProxyProcess::microsocks(QStringLiteral("alice"), QStringLiteral("s3cret"));
    START_OR_SKIP(proxy);
    connection.applyProxy(proxyAt(proxy->port(), ProxySettings::Socks5, "alice", "wrong"));
    connection.setHost(server.hostPort());
    EXPECT_EQ(connection.exchange(request(), response, 100000), 0);
    EXPECT_EQ(connection.exchange(request(), response, 100000), 0);
    EXPECT_EQ(server.connectionCount(), 0);
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST_F(RealProxyTest, Socks4ThroughDante)
{
    const auto proxy = ProxyProcess::dante();
    START_OR_SKIP(proxy);
    expectAnswerThrough(proxyAt(proxy->port(), ProxySettings::Socks4, "verbalink"));
}

TEST_F(RealProxyTest, Socks5WithoutLoginThroughDante)
{
    const auto proxy = ProxyProcess::dante();
    START_OR_SKIP(proxy);
    expectAnswerThrough(proxyAt(proxy->port(), ProxySettings::Socks5, "ignored", "ignored"));
}

TEST_F(RealProxyTest, Socks4PlaceholderIsRefusedByDante)
{
    const auto proxy = ProxyProcess::dante();
    START_OR_SKIP(proxy);
    // The name is unresolvable here, so 1.0.0.0 goes out, which the proxy's rules refuse.
    const QByteArray host = QByteArray(64, 'a') + ".invalid";
    connection.applyProxy(proxyAt(proxy->port(), ProxySettings::Socks4));
    connection.setHost(host);
    const QByteArray request = "GET http://" + host + "/ HTTP/1.0\r\n\r\n";
    EXPECT_EQ(connection.exchange(request, response, 1000), 0);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.contains(QStringLiteral("(SOCKS4)")));
}

TEST_F(RealProxyTest, HttpThroughTinyproxy)
{
    const auto proxy = ProxyProcess::tinyproxy();
    START_OR_SKIP(proxy);
    connection.setTimeoutValue(5000);
    connection.applyProxy(proxyAt(proxy->port(), ProxySettings::Http));
    connection.setHost(server.hostPort());
    const int count = connection.exchange(request(), response, 100000);
    ASSERT_GT(count, 0) << qPrintable(proxy->log());
    // The proxy relays the status line and body; it may add or change headers of its own.
    EXPECT_TRUE(response.startsWith("HTTP/1.0 200 OK"));
    EXPECT_TRUE(response.endsWith("\r\n\r\nhello"));
    EXPECT_EQ(server.connectionCount(), 1);
}

TEST(ProxyFault, AProxyKilledMidExchangeEndsItAndItsRestartServesTheNext)
{
    struct Case {
        std::unique_ptr<ProxyProcess> (*start)();
        ProxySettings::Type type;
    };
    const Case cases[] = {
        {[] { return ProxyProcess::microsocks(QStringLiteral("u"), QStringLiteral("p")); },
         ProxySettings::Socks5},
        {&ProxyProcess::tinyproxy, ProxySettings::Http},
    };
    for (const Case& c : cases) {
        const auto proxy = c.start();
        START_OR_SKIP(proxy);
        // The server takes the request and holds its answer until released.
        ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::waitRelease(),
                               ScriptedServer::write(Answer)});
        FakeMessageBox boxes;
        HttpConnection connection(boxes);
        connection.setTimeoutValue(5000);
        connection.applyProxy(proxyAt(proxy->port(), c.type, "u", "p"));
        connection.setHost(server.hostPort());
        const QByteArray request = "GET http://" + server.hostPort() + "/t HTTP/1.0\r\n\r\n";

        QByteArray response;
        auto exchange = std::async(std::launch::async,
                                   [&] { return connection.exchange(request, response, 100000); });
        for (int i = 0; i < 500 && !server.waiting(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_TRUE(server.waiting()) << qPrintable(proxy->log());
        proxy->kill();
        // The exchange ends when the proxy's end of the connection goes, not after its budget.
        ASSERT_EQ(exchange.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        EXPECT_LE(exchange.get(), 0);
        EXPECT_TRUE(response.isEmpty());
        server.release();

        ASSERT_TRUE(proxy->restart()) << qPrintable(proxy->failure());
        // An HTTP proxy may add headers of its own; the body comes through unchanged.
        EXPECT_GT(connection.exchange(request, response, 100000), 0) << qPrintable(proxy->log());
        EXPECT_TRUE(response.endsWith("\r\n\r\nhello"));
        // A proxy that went away mid-exchange refused nothing: no box.
        EXPECT_TRUE(boxes.boxes().isEmpty());
    }
}

} // namespace
} // namespace verbalink
