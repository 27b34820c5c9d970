#include "QtPrinters.h"
#include "ServiceAnswers.h"
#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
namespace Answers = test::ServiceAnswers;

QString text(const QByteArray& answer)
{
    return EngineExchange::responseText(answer);
}

TEST(EngineAnswer, GoogleJoinsSentencesAndTheirTransliterations)
{
    GoogleEngine::Answer answer = GoogleEngine::extract(
        text(Answers::googleSentences({{u"Привет. "_s, u"Hello. "_s}, {u"Как дела?"_s, {}}})));
    EXPECT_EQ(answer.translation, u"Привет. Как дела?"_s);
    EXPECT_EQ(answer.transliteration, u"Hello. "_s);

    // Escapes as the service sends them.
    answer.translation = uR"( Tom \u0026 \"Jerry\"\r\nx\u003d1 &#65; )"_s;
    GoogleEngine::unescape(answer.translation);
    EXPECT_EQ(answer.translation, u"Tom & \"Jerry\"\r\nx=1 A"_s);

    // No sentence at all, or the marker at the very start, is no translation.
    EXPECT_TRUE(GoogleEngine::extract(u"HTTP/1.0 500 Oops\r\n\r\n{}"_s).translation.isEmpty());
    EXPECT_TRUE(GoogleEngine::extract(u"\"trans\":\"x\","_s).translation.isEmpty());
    // A cut-off answer runs to its end.
    EXPECT_EQ(GoogleEngine::extract(u"{\"trans\":\"abc"_s).translation, u"abc"_s);
}

TEST(EngineAnswer, GoogleDetectingGivesTextAndLanguageOrNothing)
{
    GoogleEngine::DetectedTranslation detected =
        GoogleEngine::extractDetecting(text(Answers::googleDetected(u"Hi & <you>"_s, "de")));
    EXPECT_EQ(detected.text, u"Hi & <you>"_s);
    EXPECT_EQ(detected.language, u"de"_s);
    detected = GoogleEngine::extractDetecting(u"x{\"translatedText\":\"a &quot;b&quot;\","_s);
    EXPECT_EQ(detected.text, u"a \"b\""_s);
    EXPECT_TRUE(detected.language.isEmpty());

    detected = GoogleEngine::extractDetecting(text(Answers::googleUndetectable()));
    EXPECT_TRUE(detected.text.isEmpty());
    EXPECT_TRUE(detected.language.isEmpty());
    detected = GoogleEngine::extractDetecting(u"x\"detectedSourceLanguage\":\"fr\""_s);
    EXPECT_TRUE(detected.text.isEmpty());
    EXPECT_TRUE(detected.language.isEmpty());
}

TEST(EngineAnswer, HtmlServicesCutTrimAndDecodeReferences)
{
    EXPECT_EQ(YahooEngine::extract(text(Answers::yahooResult(u" a <b> & c "_s))), u"a <b> & c"_s);
    EXPECT_EQ(BingEngine::extract(text(Answers::bingResult(u"Grüße"_s))), u"Grüße"_s);
    EXPECT_EQ(SysTranEngine::extract(text(Answers::sysTranResult(u"x\ny &#60;"_s))), u"x\ny <"_s);
    // An empty result is still a result; a missing marker is none.
    EXPECT_EQ(YahooEngine::extract(text(Answers::yahooResult({}))), QString());
    EXPECT_FALSE(YahooEngine::extract(text(Answers::bingResult(u"x"_s))));
    EXPECT_FALSE(BingEngine::extract(text(Answers::yahooResult(u"x"_s))));
    EXPECT_FALSE(SysTranEngine::extract(u"HTTP/1.0 200 OK\r\n\r\nbody=x"_s));
}

TEST(EngineAnswer, BabylonTakesTheObjectOrTheWholeBody)
{
    EXPECT_EQ(BabylonEngine::extract(text(Answers::babylonCallback(u"caf\u00e9 \"x\"\ny"_s))),
              u"caf\u00e9 \"x\"\ny"_s);
    EXPECT_EQ(BabylonEngine::extract(text(Answers::babylonBare("  line one\\nline two  "))),
              u"line one\nline two"_s);
    EXPECT_EQ(BabylonEngine::extract(u"H\"translatedText\":\"\n\nx \n\"}"_s), u"x"_s);
    // Nothing after the headers, an empty translation, no header end: failed.
    EXPECT_FALSE(BabylonEngine::extract(text(Answers::babylonBare({}))));
    EXPECT_FALSE(BabylonEngine::extract(text(Answers::babylonCallback({}))));
    EXPECT_FALSE(BabylonEngine::extract(u"garbage"_s));
}

TEST(EngineAnswer, PromtErrorPageGivesTheTypedTextBack)
{
    EXPECT_EQ(PromtEngine::extract(text(Answers::promtResult(u"Tom & <Jerry>"_s)), u"typed"_s),
              u"Tom & <Jerry>"_s);
    EXPECT_EQ(PromtEngine::extract(text(Answers::promtErrorPage()), u"typed"_s), u"typed"_s);
    EXPECT_FALSE(PromtEngine::extract(u"HTTP/1.0 404\r\n\r\n"_s, u"typed"_s));
}

TEST(EngineAnswer, SysTranCookieLineCollectsEverySetCookie)
{
    EXPECT_EQ(SysTranEngine::cookieLine(
                  Answers::sysTranCookiePage({"a=1; path=/", "b=2;", "c=3; HttpOnly"})),
              QByteArray("Cookie: a=1; b=2; c=3;"));
    EXPECT_EQ(SysTranEngine::cookieLine({}), QByteArray("Cookie:"));
    EXPECT_EQ(SysTranEngine::cookieLine("HTTP/1.0 200 OK\r\n\r\nhello; world"),
              QByteArray("Cookie:"));
    // A value without ";" ends at its line and never pulls the next header in.
    EXPECT_EQ(SysTranEngine::cookieLine("X\r\nSet-Cookie: a=1\r\nServer: x; y\r\n"
                                        "Set-Cookie:b=2;\r\n"),
              QByteArray("Cookie: a=1;b=2;"));
}

} // namespace
} // namespace verbalink
