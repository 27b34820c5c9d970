#include "translate/net/HttpConnection.h"

#include "FakeMessageBox.h"
#include "ScriptedServer.h"
#include "translate/net/HostResolution.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using test::FakeMessageBox;
using test::ScriptedServer;
using Step = ScriptedServer::Step;

const QByteArray Answer = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nbonjour";

QByteArray getRequest(const QByteArray& host)
{
    return "GET http://" + host + "/t HTTP/1.0\r\nHost: " + host + "\r\n\r\n";
}

// A label longer than 63 bytes makes the resolver refuse the name before any query leaves.
const QByteArray UnresolvableHost = QByteArray(64, 'a') + ".invalid";

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(char(value));
    return result;
}

ProxySettings proxyAt(quint16 port, ProxySettings::Type type, QByteArray user = {},
                      QByteArray password = {})
{
    ProxySettings settings;
    settings.enabled = 1;
    settings.address = "127.0.0.1";
    settings.port = port;
    settings.type = type;
    settings.userName = std::move(user);
    settings.password = std::move(password);
    return settings;
}

class HttpConnectionTest : public ::testing::Test {
protected:
    FakeMessageBox boxes;
    HttpConnection connection{boxes};
    QByteArray response;

    void SetUp() override { connection.setTimeoutValue(1000); }

    int exchange(const QByteArray& request, qsizetype capacity = 100000)
    {
        return connection.exchange(request, response, capacity);
    }
};

TEST(HostResolution, ConfiguredHostsSplitIntoNameAndPort)
{
    struct Case {
        const char* configured;
        const char* name;
        quint16 port;
    };
    const Case cases[] = {
        {"example.org", "example.org", 80},
        {"127.0.0.1:8080", "127.0.0.1", 8080},
        {"host:65535", "host", 65535},
        {"host:65536", "host:65536", 80},
        {"host:0", "host:0", 80},
        {"host:+80", "host:+80", 80},
        {"host:", "host:", 80},
        {":81", ":81", 80},
        {"host:8a", "host:8a", 80},
    };
    for (const Case& c : cases) {
        const HostAndPort split = splitHostPort(c.configured);
        EXPECT_EQ(split.name, QByteArray(c.name)) << c.configured;
        EXPECT_EQ(split.port, c.port) << c.configured;
    }
}

TEST(HostResolution, ResolvesDottedAndLocalNamesOnly)
{
    EXPECT_EQ(resolveIpv4("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(resolveIpv4("localhost"), 0x7F000001u);
    EXPECT_EQ(resolveIpv4(UnresolvableHost), 0u);
    EXPECT_EQ(resolveIpv4(""), 0u);
    EXPECT_EQ(ipv4Text(HttpConnection::ProxyResolvesName), QByteArray("1.0.0.0"));
}

TEST_F(HttpConnectionTest, DirectExchangeReturnsTheRawAnswer)
{
    ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    EXPECT_TRUE(connection.setHost(server.hostPort()));
    EXPECT_EQ(connection.port(), server.port());
    const QByteArray request = getRequest(server.hostPort());
    ASSERT_EQ(exchange(request), Answer.size());
    EXPECT_EQ(response, Answer);
    EXPECT_EQ(server.received().value(0), request);
    // Every exchange has a connection of its own.
    ASSERT_EQ(exchange(request), Answer.size());
    EXPECT_EQ(server.connectionCount(), 2);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(HttpConnectionTest, CapacityBoundsTheAnswerAndTheTerminatorFollowsIt)
{
    const QByteArray full(64, 'x');
    ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::write(full + "beyond"),
                           ScriptedServer::hold()});
    connection.setHost(server.hostPort());
    ASSERT_EQ(exchange(getRequest(server.hostPort()), 64), 64);
    EXPECT_EQ(response, full);
    EXPECT_EQ(response.constData()[64], '\0');
    ASSERT_EQ(exchange(getRequest(server.hostPort()), 5), 5);
    EXPECT_EQ(response, QByteArray("xxxxx"));
    EXPECT_EQ(exchange(getRequest(server.hostPort()), 0), 0);
    EXPECT_EQ(response.constData()[0], '\0');
}

TEST_F(HttpConnectionTest, TimeoutValueBelowTenReadsNothing)
{
    ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    connection.setHost(server.hostPort());
    connection.setTimeoutValue(9);
    const QByteArray request = getRequest(server.hostPort());
    EXPECT_EQ(exchange(request), 0);
    EXPECT_TRUE(response.isEmpty());
    EXPECT_EQ(response.constData()[0], '\0');
    EXPECT_EQ(server.received().value(0), request); // the request itself went out
}

TEST_F(HttpConnectionTest, SilenceAndEarlyEndsGiveWhatCameBefore)
{
    struct Case {
        const char* what;
        QList<Step> script;
        bool singleRead;
        int expected;
        QByteArray body;
    };
    const QList<Case> cases = {
        {"silent server", {ScriptedServer::readRequest(), ScriptedServer::hold()}, false, 0, {}},
        {"closes unanswered", {ScriptedServer::readRequest()}, false, 0, {}},
        {"closes mid-answer",
         {ScriptedServer::readRequest(), ScriptedServer::write("HTTP/1.0 2")},
         false,
         10,
         "HTTP/1.0 2"},
        {"resets before answering",
         {ScriptedServer::readRequest(), ScriptedServer::reset()},
         false,
         -1,
         {}},
        {"trickles, then closes",
         {ScriptedServer::readRequest(), ScriptedServer::write("one "), ScriptedServer::pause(40),
          ScriptedServer::write("two "), ScriptedServer::pause(40), ScriptedServer::write("three")},
         false,
         13,
         "one two three"},
        {"trickles and stays open, single read",
         {ScriptedServer::readRequest(), ScriptedServer::write("one "), ScriptedServer::pause(10),
          ScriptedServer::write("two"), ScriptedServer::hold()},
         true,
         7,
         "one two"},
        {"answers and stays open, single read",
         {ScriptedServer::readRequest(), ScriptedServer::write(Answer), ScriptedServer::hold()},
         true,
         int(Answer.size()),
         Answer},
    };
    connection.setTimeoutValue(100); // ten quiet spells: a fifth of a second
    for (const Case& c : cases) {
        ScriptedServer server(c.script);
        connection.setHost(server.hostPort());
        connection.setSingleRead(c.singleRead);
        EXPECT_EQ(exchange(getRequest(server.hostPort())), c.expected) << c.what;
        EXPECT_EQ(response, c.body) << c.what;
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(HttpConnectionTest, DirectFailuresGiveMinusOneWithoutABox)
{
    connection.setHost(UnresolvableHost);
    EXPECT_EQ(connection.hostAddress(), 0u);
    EXPECT_EQ(exchange(getRequest(UnresolvableHost)), -1);
    connection.setHost(
        QByteArray("127.0.0.1:").append(QByteArray::number(test::freeLoopbackPort())));
    EXPECT_EQ(exchange("GET / HTTP/1.0\r\n\r\n"), -1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(HttpConnectionTest, UnresolvableHostGoesOutThroughAnHttpProxy)
{
    ScriptedServer proxy({ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    connection.applyProxy(proxyAt(proxy.port(), ProxySettings::Http));
    connection.setHost(UnresolvableHost);
    EXPECT_EQ(connection.hostAddress(), HttpConnection::ProxyResolvesName);
    const QByteArray request = getRequest(UnresolvableHost);
    ASSERT_EQ(exchange(request), Answer.size());
    EXPECT_EQ(response, Answer);
    EXPECT_EQ(proxy.received().value(0), request); // not rewritten
}

TEST_F(HttpConnectionTest, Socks5WithLoginSendsTheNameNeverTheAddress)
{
    const QByteArray request = getRequest(UnresolvableHost);
    ScriptedServer proxy({ScriptedServer::readBytes(4), ScriptedServer::write(bytes({5, 2})),
                          ScriptedServer::readBytes(1 + 1 + 3 + 1 + 6),
                          ScriptedServer::write(bytes({1, 0})),
                          ScriptedServer::readBytes(7 + int(UnresolvableHost.size())),
                          ScriptedServer::write(bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0})),
                          ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    connection.applyProxy(proxyAt(proxy.port(), ProxySettings::Socks5, "bob", "secret"));
    connection.setHost(UnresolvableHost);
    ASSERT_EQ(exchange(request), Answer.size());
    EXPECT_EQ(response, Answer);
    const QByteArray expected = bytes({5, 2, 0, 2}) + bytes({1, 3}) + "bob" + bytes({6}) +
                                "secret" + bytes({5, 1, 0, 3, int(UnresolvableHost.size())}) +
                                UnresolvableHost + bytes({0, 80}) + request;
    EXPECT_EQ(proxy.received().value(0), expected);
}

TEST_F(HttpConnectionTest, Socks5MethodNoneSkipsTheLogin)
{
    ScriptedServer target({ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    const QByteArray host = "localhost:" + QByteArray::number(target.port());
    const QByteArray request = getRequest(host);
    ScriptedServer proxy({ScriptedServer::readBytes(4), ScriptedServer::write(bytes({5, 0})),
                          ScriptedServer::readBytes(7 + 9),
                          ScriptedServer::write(bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0})),
                          ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    connection.applyProxy(proxyAt(proxy.port(), ProxySettings::Socks5, "bob", "secret"));
    connection.setHost(host);
    ASSERT_EQ(exchange(request), Answer.size());
    const QByteArray expected = bytes({5, 2, 0, 2}) + bytes({5, 1, 0, 3, 9}) + "localhost" +
                                bytes({int(target.port() >> 8), int(target.port() & 0xFF)}) +
                                request;
    EXPECT_EQ(proxy.received().value(0), expected);
    EXPECT_EQ(target.connectionCount(), 0); // the fake proxy answered in the target's place
}

TEST_F(HttpConnectionTest, Socks5RefusalsEndWithZero)
{
    struct Case {
        const char* what;
        QList<Step> script;
        bool box;
    };
    const QList<Case> cases = {
        {"no acceptable method",
         {ScriptedServer::readBytes(4), ScriptedServer::write(bytes({5, 0xFF})),
          ScriptedServer::hold()},
         false},
        {"silent at the greeting", {ScriptedServer::readBytes(4)}, false},
        {"connect refused",
         {ScriptedServer::readBytes(4), ScriptedServer::write(bytes({5, 0})),
          ScriptedServer::readBytes(16),
          ScriptedServer::write(bytes({5, 5, 0, 1, 0, 0, 0, 0, 0, 0})), ScriptedServer::hold()},
         true},
        {"closes before the connect reply",
         {ScriptedServer::readBytes(4), ScriptedServer::write(bytes({5, 0})),
          ScriptedServer::readBytes(16)},
         true},
    };
    for (const Case& c : cases) {
        FakeMessageBox caseBoxes;
        HttpConnection socks(caseBoxes);
        socks.setTimeoutValue(200);
        ScriptedServer proxy(c.script);
        socks.applyProxy(proxyAt(proxy.port(), ProxySettings::Socks5));
        socks.setHost("localhost");
        EXPECT_EQ(socks.exchange(getRequest("localhost"), response, 1000), 0) << c.what;
        ASSERT_EQ(caseBoxes.boxes().size(), c.box ? 1 : 0) << c.what;
        if (c.box) {
            EXPECT_EQ(caseBoxes.boxes()[0].text,
                      QStringLiteral("Can't establish proxy connection (SOCKS5)!\n"
                                     "Please, check your proxy settings!"));
            EXPECT_EQ(caseBoxes.boxes()[0].caption, QStringLiteral("Error"));
        }
    }
}

TEST_F(HttpConnectionTest, Socks4SendsThePlaceholderAndShowsOneBox)
{
    ScriptedServer proxy({ScriptedServer::readBytes(9 + 3),
                          ScriptedServer::write(bytes({0, 0x5B, 0, 0, 0, 0, 0, 0}))});
    connection.applyProxy(proxyAt(proxy.port(), ProxySettings::Socks4, "bob", "unused"));
    connection.setHost(UnresolvableHost);
    EXPECT_EQ(exchange(getRequest(UnresolvableHost)), 0);
    EXPECT_EQ(exchange(getRequest(UnresolvableHost)), 0);
    const QByteArray expected = bytes({4, 1, 0, 80, 1, 0, 0, 0}) + "bob" + bytes({0});
    ASSERT_EQ(proxy.received().size(), 2);
    EXPECT_EQ(proxy.received()[0], expected);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Can't establish proxy connection (SOCKS4)!\n"
                                                    "Please, check your proxy settings!"));
}

TEST_F(HttpConnectionTest, UnreachableProxyShowsOneBoxPerConnection)
{
    connection.applyProxy(proxyAt(test::freeLoopbackPort(), ProxySettings::Http));
    connection.setHost("localhost");
    EXPECT_EQ(exchange(getRequest("localhost")), -1);
    EXPECT_EQ(exchange(getRequest("localhost")), -1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(
        boxes.boxes()[0].text,
        QStringLiteral("Can't establish proxy connection!\nPlease, check your proxy settings!"));
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Error"));

    // The flag belongs to the connection: a second one tells the user once more.
    FakeMessageBox otherBoxes;
    HttpConnection other(otherBoxes);
    other.applyProxy(proxyAt(test::freeLoopbackPort(), ProxySettings::Socks5));
    other.setHost("localhost");
    EXPECT_EQ(other.exchange(getRequest("localhost"), response, 100), -1);
    EXPECT_EQ(otherBoxes.boxes().size(), 1);
}

TEST_F(HttpConnectionTest, DisablingTheProxyGoesDirectAgain)
{
    ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::write(Answer)});
    connection.applyProxy(proxyAt(test::freeLoopbackPort(), ProxySettings::Http));
    connection.setHost(server.hostPort());
    connection.disableProxy();
    EXPECT_FALSE(connection.proxyInUse());
    EXPECT_EQ(exchange(getRequest(server.hostPort())), Answer.size());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(HttpConnectionTest, ASettingsChangeDoesNotWaitForARunningExchange)
{
    ScriptedServer server({ScriptedServer::readRequest(), ScriptedServer::waitRelease(),
                           ScriptedServer::write(Answer)});
    connection.setHost(server.hostPort());
    connection.setTimeoutValue(100000);
    int result = 0;
    std::thread worker([&] { result = exchange(getRequest(server.hostPort())); });
    while (!server.waiting())
        std::this_thread::yield();
    // The exchange is parked inside its receive; these return without it.
    connection.applyProxy(proxyAt(test::freeLoopbackPort(), ProxySettings::Socks5));
    connection.setHost("localhost");
    EXPECT_TRUE(connection.proxyInUse());
    server.release();
    worker.join();
    // The running exchange finished direct, with the settings it started with.
    EXPECT_EQ(result, Answer.size());
    EXPECT_EQ(response, Answer);
}

TEST_F(HttpConnectionTest, LongHostNamesAreCutAtACharacterBoundary)
{
    QByteArray host = QByteArray(98, 'h') + "\xC3\xA9"; // 100 bytes, the last character 2 wide
    connection.setHost(host);
    EXPECT_EQ(connection.hostName(), QByteArray(98, 'h'));
}

} // namespace
} // namespace verbalink
