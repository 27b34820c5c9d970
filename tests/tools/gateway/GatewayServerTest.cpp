// The gateway's server in-process, reached by the real engines over their real connections.
#include "gateway/GatewayServer.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "LoopbackExchange.h"
#include "QtPrinters.h"
#include "SlowClients.h"
#include "TaggingTranslator.h"
#include "gateway/GatewayLog.h"
#include "gateway/RequestHandler.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineDispatcher.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/net/HttpConnection.h"
#include "translate/net/ServiceConnections.h"

#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
namespace gw = gateway;

const QString Typed = u"Hello & <friends>, \"how\" are you? 100% sure; a+b=c\r\nGrüße \\ 😀"_s;

// The two languages of a call, in the engine's codes.
struct Languages {
    QByteArray source;
    QByteArray target;
};

Languages choose(QByteArray source, QByteArray target)
{
    return {std::move(source), std::move(target)};
}

class GatewayServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_server.listen(0, &error)) << error.toStdString();
        m_host = "127.0.0.1:" + QByteArray::number(m_server.port());
        for (const Service service : {Service::Google, Service::Yahoo, Service::Bing,
                                      Service::Babylon, Service::SysTran, Service::Promt})
            m_connections.setUp(service, m_host);
    }

    EngineResult translate(int translatorId, const Languages& languages)
    {
        EngineDispatcher engines(m_connections,
                                 {m_host, m_host, m_host, m_host, m_host, m_host, m_host, {}, {}},
                                 m_clock);
        return engines.translate(translatorFromNumber(translatorId),
                                 {Typed, languages.source, languages.target});
    }

    bool logged(const QString& text) const { return !m_log.recentLines().filter(text).isEmpty(); }

    gw::GatewayLog m_log{nullptr};
    gw::TaggingTranslator m_translator;
    gw::RequestHandler m_handler{m_translator};
    gw::GatewayServer m_server{m_handler, m_log};
    QByteArray m_host;
    test::FakeMessageBox m_boxes;
    ServiceConnections m_connections{m_boxes};
    test::FakeClock m_clock;
};

TEST_F(GatewayServerTest, AllSixEnginesGetTheirTranslationBackExactly)
{
    const std::pair<int, Languages> engines[] = {
        {1, choose({}, "es")}, {2, choose({}, "en_es")}, {3, choose({}, "es")},
        {4, choose("0", "3")}, {5, choose({}, "en_es")}, {6, choose("a", "s")},
    };
    for (const auto& [id, languages] : engines) {
        SCOPED_TRACE(id);
        const EngineResult result = translate(id, languages);
        EXPECT_EQ(result.outcome, EngineResult::Outcome::Translated);
        // The source was detected where the engine left it open.
        EXPECT_EQ(result.text, u"[eng>spa] "_s + Typed);
    }
    EXPECT_TRUE(logged(u"systran session cookie"_s));
    EXPECT_TRUE(logged(u"-> 200 bing eng->spa translated"_s));
}

TEST_F(GatewayServerTest, AnUnsupportedPairLeavesTheMessageAsTyped)
{
    const std::pair<int, Languages> engines[] = {
        {1, choose("en", "de")}, {2, choose({}, "en_de")}, {3, choose({}, "de")},
        {4, choose("0", "6")},   {5, choose({}, "en_de")}, {6, choose("e", "g")},
    };
    for (const auto& [id, languages] : engines) {
        SCOPED_TRACE(id);
        const EngineResult result = translate(id, languages);
        // Promt's engine answers its error page with the typed text: an unchanged message.
        if (id == 6)
            EXPECT_EQ(result.text, Typed);
        else
            EXPECT_EQ(result.outcome, EngineResult::Outcome::Failed);
    }
    EXPECT_TRUE(logged(u"google eng->deu no translation from eng to deu"_s));
}

TEST_F(GatewayServerTest, IncomingAndDetectingVariantsOnTheirOwnConnections)
{
    HttpConnection connection(m_boxes);
    connection.setHost(m_host);
    const EngineExchange exchange(m_clock);
    const EngineContext context{connection, exchange, m_host, {}};
    EXPECT_EQ(GoogleEngine::translateIncoming(context, u"¿Dónde está la biblioteca?"_s, "ca"),
              u"[spa>cat] ¿Dónde está la biblioteca?"_s);
    const GoogleEngine::DetectedTranslation detected =
        GoogleEngine::translateDetecting(context, u"Where is the library?"_s, "es");
    EXPECT_EQ(detected.language, u"en"_s);
    EXPECT_EQ(detected.text, u"[eng>spa] Where is the library?"_s);
    // Text already in the target language comes back as it is.
    EXPECT_EQ(GoogleEngine::translateDetecting(context, u"Where is the library?"_s, "en").text,
              u"Where is the library?"_s);
    // Nothing the installed languages could be: the service's "could not detect".
    EXPECT_TRUE(GoogleEngine::translateDetecting(context,
                                                 u"Der Hund ist groß und die Katze ist "
                                                 u"klein."_s,
                                                 "es")
                    .text.isEmpty());
    EXPECT_TRUE(logged(u"google-detecting ?->spa undetectable"_s));
}

TEST_F(GatewayServerTest, RequestsItCannotReadGetAClearErrorAndALogLine)
{
    struct Case {
        QByteArray request;
        QByteArray statusLine;
        bool halfClose;
    };
    const Case cases[] = {
        {"HELLO THERE\r\n\r\n", "HTTP/1.0 400 ", false},
        {QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11), "HTTP/1.0 400 ", false},
        {"GET /nowhere HTTP/1.0\r\n\r\n", "HTTP/1.0 404 ", false},
        {"DELETE /translate_a/t HTTP/1.0\r\n\r\n", "HTTP/1.0 405 ", false},
        {"GET /translate_a/t?tl=es HTTP/1.0\r\n\r\n", "HTTP/1.0 400 ", false},
        {"POST /sai?lp=en_es HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", "HTTP/1.0 501 ",
         false},
        {"GET / HTTP/3.0\r\n\r\n", "HTTP/1.0 505 ", false},
        {"GET /translate_a/t?text=" + QByteArray(1100000, 'a'), "HTTP/1.0 431 ", false},
        {"POST /sai?lp=en_es HTTP/1.0\r\nContent-Length: 2000000\r\n\r\n", "HTTP/1.0 413 ", false},
        {"GET /translate_a/t?text=a&tl=es HTTP/1.0\r\nHost:", "HTTP/1.0 408 ", true},
        // A language code that looks like a placeholder of the log line.
        {"GET /translate_a/t?text=a&sl=en&tl=%25%31 HTTP/1.0\r\n\r\n", "HTTP/1.0 400 ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statusLine.toStdString());
        const QByteArray answer = gw::exchangeOnLoopback(m_server.port(), c.request, c.halfClose);
        EXPECT_TRUE(answer.startsWith(c.statusLine)) << answer.left(200).toStdString();
        EXPECT_TRUE(logged(u" -> "_s + QString::fromLatin1(c.statusLine.mid(9, 3))));
    }
    EXPECT_TRUE(logged(u"google ?->? unknown target language %1 (1 characters)"_s));
    // And it goes on serving.
    EXPECT_EQ(translate(1, choose("en", "es")).text, u"[eng>spa] "_s + Typed);
}

TEST_F(GatewayServerTest, ServesManyClientsAtOnce)
{
    std::atomic<int> wrong{0};
    std::vector<std::thread> clients;
    for (int client = 0; client < 12; ++client) {
        clients.emplace_back([&, client] {
            HttpConnection connection(m_boxes);
            connection.setHost(m_host);
            const EngineExchange exchange(m_clock);
            const EngineContext context{connection, exchange, m_host, {}};
            for (int i = 0; i < 10; ++i) {
                const QString text =
                    QStringLiteral("Good morning number %1 from %2").arg(i).arg(client);
                if (GoogleEngine::translateIncoming(context, text, "es") != u"[eng>spa] "_s + text)
                    ++wrong;
            }
        });
    }
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(wrong, 0);
}

// The start of a request that never comes whole, and its end.
const QByteArray Unfinished = "GET /translate_a/t?client=o&text=Hello&sl=en&tl=es HTTP/1.0\r\nHost";
const QByteArray Rest = ": 127.0.0.1\r\n\r\n";

TEST_F(GatewayServerTest, ClientsThatNeverFinishHoldUpNoOne)
{
    gw::SlowClients silent(m_server.port(), 150);
    gw::SlowClients unfinished(m_server.port(), 150, Unfinished);
    ASSERT_EQ(silent.connected() + unfinished.connected(), 300);
    EXPECT_EQ(translate(1, choose("en", "es")).text, u"[eng>spa] "_s + Typed);
    // And a slow one is answered once it does finish.
    const QByteArray answer = unfinished.finish(149, Rest);
    EXPECT_TRUE(answer.startsWith("HTTP/1.0 200 ")) << answer.left(200).toStdString();
    EXPECT_TRUE(answer.contains("Hello")) << answer.toStdString();
}

TEST_F(GatewayServerTest, WhenFullTheClientThatWaitedLongestIsLetGo)
{
    struct Case {
        const char* name;
        gw::ServerLimits limits;
        int clients;
        QByteArray start;
    };
    gw::ServerLimits fewConnections;
    fewConnections.connections = 6;
    gw::ServerLimits fewBytes;
    fewBytes.bufferedBytes = 100000;
    const Case cases[] = {
        {"connections", fewConnections, 6, {}},
        {"request bytes held", fewBytes, 2, "GET /translate_a/t?text=" + QByteArray(60000, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gw::GatewayServer server(m_handler, m_log, c.limits);
        QString error;
        ASSERT_TRUE(server.listen(0, &error)) << error.toStdString();
        gw::SlowClients slow(server.port(), c.clients, c.start);
        ASSERT_EQ(slow.connected(), c.clients);
        const QByteArray answer = gw::exchangeOnLoopback(server.port(), Unfinished + Rest);
        EXPECT_TRUE(answer.startsWith("HTTP/1.0 200 ")) << answer.left(200).toStdString();
        EXPECT_TRUE(slow.closedByServer(0, 10000));
        EXPECT_TRUE(slow.waiting(c.clients - 1));
        EXPECT_TRUE(logged(u"let go: it waited longest for its request"_s));
    }
}

} // namespace
} // namespace verbalink
