// The gateway's answers, read back by the engines' own extraction.
#include "gateway/AnswerFormats.h"

#include "QtPrinters.h"
#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"

#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;

constexpr Service Translating[] = {Service::Google, Service::GoogleDetecting, Service::Yahoo,
                                   Service::Bing,   Service::Babylon,         Service::SysTran,
                                   Service::Promt};

// What the engine takes out of the answer; nothing where it fails.
std::optional<QString> extracted(Service service, const HttpResponse& response,
                                 const QString& typed)
{
    const QString text = EngineExchange::responseText(response.toBytes());
    switch (service) {
    case Service::Google: {
        GoogleEngine::Answer answer = GoogleEngine::extract(text);
        if (answer.translation.isEmpty())
            return std::nullopt;
        GoogleEngine::unescape(answer.translation);
        return answer.translation;
    }
    case Service::GoogleDetecting: {
        const GoogleEngine::DetectedTranslation detected = GoogleEngine::extractDetecting(text);
        return detected.text.isEmpty() ? std::nullopt : std::optional(detected.text);
    }
    case Service::Yahoo:
        return YahooEngine::extract(text);
    case Service::Bing:
        return BingEngine::extract(text);
    case Service::Babylon:
        return BabylonEngine::extract(text);
    case Service::SysTranCookie:
    case Service::SysTran:
        return SysTranEngine::extract(text);
    case Service::Promt:
        return PromtEngine::extract(text, typed);
    }
    return std::nullopt;
}

TEST(AnswerFormats, EveryEngineReadsBackExactlyWhatWasTranslated)
{
    // Each text carries what could end a field early or be unescaped twice in some format.
    const QString texts[] = {
        u"Hola, ¿cómo estás?"_s,
        u"He said \"hi\", then left. \"}"_s,
        u"a < b > c & d; x=y"_s,
        u"&amp; &lt; &quot; \\u0026 \\u003d \\u0041"_s,
        u"C:\\new\\table \\\"x\\\" \\r\\n \\n"_s,
        u"</div></textarea></result>\"} \", \"trans\":\""_s,
        u"line one\r\nline two\nthree\ttab"_s,
        u"Grüße 日本語 😀"_s,
        u"body=\nstill text"_s,
    };
    for (const Service service : Translating) {
        for (const QString& text : texts) {
            SCOPED_TRACE(std::string(serviceName(service)) + ": " + text.toStdString());
            const HttpResponse response = AnswerFormats::translation(service, text, "es");
            EXPECT_EQ(response.status, 200);
            EXPECT_EQ(extracted(service, response, u"typed"_s), text);
        }
    }
}

TEST(AnswerFormats, BabylonKeepsEvenNumericReferencesAsText)
{
    // The other formats end in decoding references, as the services' answers did; Babylon's
    // escapes keep them.
    const QString text = u"&#65; &#38;"_s;
    EXPECT_EQ(
        extracted(Service::Babylon, AnswerFormats::translation(Service::Babylon, text, {}), {}),
        text);
}

TEST(AnswerFormats, GoogleAnswersSentenceBySentenceAndTheDetectingVariantTellsTheLanguage)
{
    const QString text = u"Hola. ¿Qué tal?  Bien! 3.14 no"_s;
    const HttpResponse google = AnswerFormats::translation(Service::Google, text, "es");
    EXPECT_EQ(google.body.count("\"trans\":\""), 4);
    EXPECT_EQ(extracted(Service::Google, google, {}), text);

    const GoogleEngine::DetectedTranslation detected =
        GoogleEngine::extractDetecting(EngineExchange::responseText(
            AnswerFormats::translation(Service::GoogleDetecting, u"Hello"_s, "es").toBytes()));
    EXPECT_EQ(detected.text, u"Hello"_s);
    EXPECT_EQ(detected.language, u"es"_s);
    EXPECT_TRUE(GoogleEngine::extractDetecting(
                    EngineExchange::responseText(AnswerFormats::undetectable().toBytes()))
                    .text.isEmpty());
}

TEST(AnswerFormats, RefusalsLeaveTheMessageAsTyped)
{
    const QString typed = u"as typed"_s;
    for (const Service service : Translating) {
        SCOPED_TRACE(serviceName(service));
        // A reason that would break a careless format.
        const HttpResponse refusal =
            AnswerFormats::refusal(service, 400, "no \"pair\" </div> \"} body=\n");
        const std::optional<QString> text = extracted(service, refusal, typed);
        // Promt's engine turns its error page into the typed text itself.
        if (service == Service::Promt)
            EXPECT_EQ(text, typed);
        else
            EXPECT_FALSE(text) << text->toStdString();
    }
}

TEST(AnswerFormats, SysTranCookiePageGivesTheEngineItsCookieLine)
{
    EXPECT_EQ(SysTranEngine::cookieLine(AnswerFormats::sysTranCookies("s7").toBytes()),
              QByteArray("Cookie: SESSION=s7; lang=en;"));
}

} // namespace
} // namespace verbalink::gateway
