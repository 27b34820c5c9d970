#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "QtPrinters.h"
#include "ServiceAnswers.h"
#include "TranslationTestService.h"
#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineDispatcher.h"
#include "translate/engines/EngineWire.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"
#include "translate/net/ServiceConnections.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
using test::TranslationTestService;
using Route = TranslationTestService::Route;

const QString Typed = u"Grüße & more"_s;
const QByteArray Encoded = EngineWire::encodedText(Typed, EngineWire::TextCapacity);
const QByteArray TranslateHost = "translate.example";

// The two languages of a call, in the engine's codes.
struct Languages {
    QByteArray source;
    QByteArray target;
};

Languages choose(QByteArray source, QByteArray target)
{
    return {std::move(source), std::move(target)};
}

class EngineService : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_service.listening());
        for (const Service service : {Service::Google, Service::Yahoo, Service::Bing,
                                      Service::Babylon, Service::SysTran, Service::Promt})
            m_connections.setUp(service, m_service.hostPort());
    }

    ServiceHosts hosts() const
    {
        const QByteArray host = m_service.hostPort();
        return {host, TranslateHost, host, host, host, host, host, {}, {}};
    }

    EngineResult translate(int translatorId, const Languages& languages)
    {
        EngineDispatcher engines(m_connections, hosts(), m_clock);
        return engines.translate(translatorFromNumber(translatorId),
                                 {Typed, languages.source, languages.target});
    }

    QList<TranslationTestService::Request> requests(int count)
    {
        EXPECT_TRUE(m_service.waitForRequests(count));
        return m_service.requests();
    }

    TranslationTestService m_service;
    test::FakeMessageBox m_boxes;
    ServiceConnections m_connections{m_boxes};
    test::FakeClock m_clock;
};

TEST_F(EngineService, AllSixEnginesTranslateEndToEndWithAndWithoutTheProxyLine)
{
    const QByteArray host = m_service.hostPort();
    const QByteArray cookies = "Cookie: SESSION=s1; lang=en;";
    struct Case {
        const char* name;
        int translatorId;
        Languages languages;
        QString text;
        QList<QByteArray (*)(const QByteArray& host, const QByteArray& proxy)> requests;
    };
    const Case cases[] = {
        {"Google",
         1,
         choose("en", "de"),
         u"[de] "_s + Typed,
         {[](const QByteArray&, const QByteArray& p) {
             return GoogleEngine::request(TranslateHost, Encoded, "en", "de", p);
         }}},
        {"Yahoo",
         2,
         choose({}, "en_de"),
         u"[en_de] "_s + Typed,
         {[](const QByteArray& h, const QByteArray& p) {
             return YahooEngine::request(h, Encoded, "en_de", p);
         }}},
        {"Bing",
         3,
         choose({}, "de"),
         u"[de] "_s + Typed,
         {[](const QByteArray& h, const QByteArray& p) {
             return BingEngine::request(h, Encoded, {}, "de", p);
         }}},
        {"Babylon",
         4,
         choose("0", "6"),
         u"[6] "_s + Typed,
         {[](const QByteArray& h, const QByteArray& p) {
             return BabylonEngine::request(h, Encoded, "0", "6", p);
         }}},
        {"SysTran",
         5,
         choose({}, "en_fr"),
         u"[en_fr] "_s + Typed,
         {[](const QByteArray& h, const QByteArray& p) {
              return SysTranEngine::cookieRequest(h, p);
          },
          [](const QByteArray& h, const QByteArray& p) {
              return SysTranEngine::translationRequest(h, "en_fr", "Cookie: SESSION=s1; lang=en;",
                                                       Typed.toUtf8(), p);
          }}},
        {"Promt",
         6,
         choose("e", "g"),
         u"[eg] "_s + Typed,
         {[](const QByteArray& h, const QByteArray& p) {
             return PromtEngine::request(h, Encoded, "e", "g", p);
         }}},
    };

    for (const bool viaProxy : {false, true}) {
        if (viaProxy) {
            // The stand-in takes absolute targets as well, so it can be its own HTTP proxy.
            ProxySettings proxy;
            proxy.enabled = 1;
            proxy.address = "127.0.0.1";
            proxy.port = m_service.port();
            proxy.userName = "user";
            proxy.password = "pass";
            m_connections.applyProxySettings(proxy);
        }
        const QByteArray proxyLine = m_connections.proxyAuthorizationLine();
        ASSERT_EQ(proxyLine.isEmpty(), !viaProxy);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (viaProxy ? " via proxy" : ""));
            const qsizetype before = m_service.requests().size();
            const EngineResult result = translate(c.translatorId, c.languages);
            EXPECT_EQ(result.outcome, EngineResult::Outcome::Translated);
            EXPECT_EQ(result.text, c.text);
            const auto sent = requests(int(before + c.requests.size()));
            ASSERT_EQ(sent.size(), before + c.requests.size());
            for (qsizetype i = 0; i < c.requests.size(); ++i)
                EXPECT_EQ(sent[before + i].bytes, c.requests[i](host, proxyLine));
        }
    }
    EXPECT_EQ(m_clock.totalSleptMs(), 0);
    // Google alone brings a transliteration back.
    EXPECT_EQ(translate(1, choose("en", "de")).transliteration, Typed.toLower());
}

TEST_F(EngineService, OneFailedExchangeIsRetriedAfterAQuarterSecond)
{
    m_service.queue(Route::Yahoo, TranslationTestService::drop());
    const EngineResult result = translate(2, choose({}, "en_de"));
    EXPECT_EQ(result.outcome, EngineResult::Outcome::Translated);
    const auto sent = requests(2);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0].bytes, sent[1].bytes);
    EXPECT_EQ(m_clock.totalSleptMs(), 250);

    // A second failure stands.
    m_service.queue(Route::Promt, TranslationTestService::drop());
    m_service.queue(Route::Promt, TranslationTestService::drop());
    EXPECT_EQ(translate(6, choose("e", "g")).outcome, EngineResult::Outcome::Failed);
    EXPECT_EQ(requests(4).size(), 4);
    EXPECT_EQ(m_clock.totalSleptMs(), 500);
}

TEST_F(EngineService, AServiceThatCannotBeReachedFailsAfterOneRetry)
{
    QByteArray closedHost;
    {
        TranslationTestService gone;
        closedHost = gone.hostPort();
    }
    m_connections.setUp(Service::Bing, closedHost);
    EXPECT_EQ(translate(3, choose({}, "de")).outcome, EngineResult::Outcome::Failed);
    EXPECT_EQ(m_clock.totalSleptMs(), 250);
}

TEST_F(EngineService, SysTranSendsABareCookieLineWhenTheCookieRequestFails)
{
    m_service.queue(Route::SysTranCookie, TranslationTestService::drop());
    m_service.queue(Route::SysTranCookie, TranslationTestService::drop());
    const EngineResult result = translate(5, choose({}, "en_de"));
    EXPECT_EQ(result.outcome, EngineResult::Outcome::Translated);
    const auto sent = requests(3);
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[2].route, Route::SysTranTranslate);
    EXPECT_TRUE(sent[2].bytes.contains("\r\nCookie:\r\nContent-Type: "));
}

TEST_F(EngineService, AResolvedTargetGoesOutAsItIsWithTheSourceLeftToTheService)
{
    const EngineResult result = translate(1, choose({}, "zh-CN"));
    EXPECT_EQ(result.text, u"[zh-CN] "_s + Typed);
    const auto sent = requests(1);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_TRUE(sent[0].bytes.contains("&sl=auto&tl=zh-CN HTTP/1.0\r\nHost: translate.example"));
}

TEST_F(EngineService, ServiceSpecificAnswers)
{
    using namespace test::ServiceAnswers;
    m_service.queue(Route::Google, TranslationTestService::reply(
                                       googleSentences({{u"Eins. "_s, {}}, {u"Zwei."_s, {}}})));
    EXPECT_EQ(translate(1, choose("en", "de")).text, u"Eins. Zwei."_s);

    m_service.queue(Route::Babylon, TranslationTestService::reply(babylonBare("Hallo Welt")));
    EXPECT_EQ(translate(4, choose("0", "6")).text, u"Hallo Welt"_s);

    m_service.queue(Route::Promt, TranslationTestService::reply(promtErrorPage()));
    EXPECT_EQ(translate(6, choose("e", "g")).text, Typed);

    m_service.queue(Route::Google,
                    TranslationTestService::reply(httpAnswer("application/json", "{}")));
    EXPECT_EQ(translate(1, choose("en", "de")).outcome, EngineResult::Outcome::Failed);
}

TEST_F(EngineService, NumbersOutsideOneToSixSelectGoogle)
{
    for (const int id : {0, 7, -1})
        translate(id, choose("en", "de"));
    // Even a value that never came through the number check.
    EngineDispatcher engines(m_connections, hosts(), m_clock);
    engines.translate(TranslatorId(9), {Typed, "en", "de"});
    for (const auto& request : requests(4))
        EXPECT_EQ(request.route, Route::Google);
}

TEST_F(EngineService, TextTooLongForARequestFailsWithoutOne)
{
    // 99999 bytes and the terminator fit; one more byte does not.
    const QString longest(EngineWire::TextCapacity - 1, u'a');
    const QString tooLong = longest + u'a';
    EngineDispatcher engines(m_connections, hosts(), m_clock);
    for (int id = 1; id <= 6; ++id) {
        const EngineResult result =
            engines.translate(translatorFromNumber(id), {tooLong, "en", "de_en"});
        EXPECT_EQ(result.outcome, EngineResult::Outcome::Failed) << id;
    }
    HttpConnection own(m_boxes);
    own.setHost(m_service.hostPort());
    const EngineExchange exchange(m_clock);
    const EngineContext context{own, exchange, TranslateHost, {}};
    EXPECT_TRUE(GoogleEngine::translateIncoming(context, tooLong, "fr").isEmpty());
    const QString detectingTooLong(EngineWire::DetectingTextCapacity, u'a');
    EXPECT_TRUE(GoogleEngine::translateDetecting(context, detectingTooLong, "fr").text.isEmpty());
    EXPECT_TRUE(m_service.requests().isEmpty());

    EXPECT_EQ(engines.translate(TranslatorId::Google, {longest, "en", "de"}).outcome,
              EngineResult::Outcome::Translated);
}

TEST_F(EngineService, IncomingAndDetectingVariantsOnTheirOwnConnections)
{
    HttpConnection own(m_boxes);
    own.setHost(m_service.hostPort());
    own.setTimeoutValue(5000);
    const EngineExchange exchange(m_clock);

    const EngineContext incoming{own, exchange, TranslateHost, {}};
    EXPECT_EQ(GoogleEngine::translateIncoming(incoming, Typed, "fr"), u"[fr] "_s + Typed);

    const QByteArray search = m_service.hostPort();
    const EngineContext detecting{own, exchange, search, "Proxy-Authorization: Basic eA==\r\n"};
    const GoogleEngine::DetectedTranslation detected =
        GoogleEngine::translateDetecting(detecting, Typed, "fr");
    EXPECT_EQ(detected.text, u"[fr] "_s + Typed);
    EXPECT_EQ(detected.language, u"en"_s);

    m_service.queue(Route::GoogleDetecting,
                    TranslationTestService::reply(test::ServiceAnswers::googleUndetectable()));
    EXPECT_TRUE(GoogleEngine::translateDetecting(detecting, Typed, "fr").text.isEmpty());

    const auto sent = requests(3);
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[0].bytes, GoogleEngine::request(TranslateHost, Encoded, "auto", "fr", {}));
    EXPECT_EQ(sent[1].bytes, GoogleEngine::detectingRequest(search, Encoded, "fr",
                                                            "Proxy-Authorization: Basic eA==\r\n"));
}

} // namespace
} // namespace verbalink
