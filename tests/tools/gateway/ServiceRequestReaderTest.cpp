// The engines' own requests, built by their own code, as the gateway reads them.
#include "gateway/ServiceRequestReader.h"

#include "QtPrinters.h"
#include "gateway/HttpRequestParser.h"
#include "gateway/ServiceLanguageCodes.h"
#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineWire.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"

#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;

const QString Typed = u"Grüße, \"Tom\" & <Jerry>; a+b=c 100% / ? # \\ |\r\n日本 😀"_s;
const QByteArray Encoded = EngineWire::encodedText(Typed, EngineWire::TextCapacity);
const QByteArray ProxyLine = "Proxy-Authorization: Basic dXNlcjpwYXNz\r\n";

struct EngineCase {
    const char* name;
    QByteArray request;
    Service service;
    QByteArray source;
    QByteArray target;
};

ServiceRequestRead readBytes(const QByteArray& bytes)
{
    const ParsedRequest parsed = parseHttpRequest(bytes);
    EXPECT_EQ(parsed.state, ParsedRequest::State::Complete) << parsed.error.toStdString();
    return readServiceRequest(parsed.request);
}

TEST(ServiceRequestReader, ReadsEveryEngineRequestExactly)
{
    const EngineCase cases[] = {
        {"Google", GoogleEngine::request("h:8080", Encoded, "en", "es", ProxyLine), Service::Google,
         "en", "es"},
        {"Google detecting the source", GoogleEngine::request("h", Encoded, "", "zh-CN", {}),
         Service::Google, "auto", "zh-CN"},
        {"Google, language-detecting", GoogleEngine::detectingRequest("h", Encoded, "es", {}),
         Service::GoogleDetecting, "", "es"},
        {"Yahoo", YahooEngine::request("h", Encoded, "en_es", ProxyLine), Service::Yahoo, "en",
         "es"},
        {"Bing", BingEngine::request("h", Encoded, "", "es", ProxyLine), Service::Bing, "", "es"},
        {"Babylon", BabylonEngine::request("h", Encoded, "0", "3", {}), Service::Babylon, "0", "3"},
        {"SysTran",
         SysTranEngine::translationRequest("h", "en_es", "Cookie: SESSION=s1;", Typed.toUtf8(),
                                           ProxyLine),
         Service::SysTran, "en", "es"},
        {"Promt", PromtEngine::request("h", Encoded, "a", "s", ProxyLine), Service::Promt, "a",
         "s"},
    };
    for (const EngineCase& engine : cases) {
        SCOPED_TRACE(engine.name);
        const ServiceRequestRead read = readBytes(engine.request);
        ASSERT_TRUE(read.request) << read.error.toStdString();
        EXPECT_EQ(read.request->service, engine.service);
        EXPECT_EQ(read.request->text, Typed);
        EXPECT_EQ(read.request->source, engine.source);
        EXPECT_EQ(read.request->target, engine.target);
    }
    const ServiceRequestRead cookie = readBytes(SysTranEngine::cookieRequest("h", ProxyLine));
    ASSERT_TRUE(cookie.request);
    EXPECT_EQ(cookie.request->service, Service::SysTranCookie);
}

TEST(ServiceRequestReader, RefusesUnknownPathsWrongMethodsAndMissingKeysInTheServicesName)
{
    struct Case {
        QByteArray bytes;
        std::optional<Service> service;
        int status;
    };
    const Case cases[] = {
        {"GET /nowhere HTTP/1.0\r\n\r\n", std::nullopt, 404},
        {"GET /translate_a/tx?text=a&tl=es HTTP/1.0\r\n\r\n", std::nullopt, 404},
        {"POST /translate_a/t?text=a&tl=es HTTP/1.0\r\nContent-Length: 0\r\n\r\n", Service::Google,
         405},
        {"GET /translate_a/t?text=a HTTP/1.0\r\n\r\n", Service::Google, 400},
        {"GET /uds/Gtranslate?q=a&langpair=es HTTP/1.0\r\n\r\n", Service::GoogleDetecting, 400},
        {"GET /translate_txt?trtext=a&lp=enes HTTP/1.0\r\n\r\n", Service::Yahoo, 400},
        {"POST /DefaultPrev.aspx HTTP/1.1\r\nContent-Length: 12\r\n\r\nSourceText=a", Service::Bing,
         400},
        {"POST /sai?gui=text HTTP/1.0\r\nContent-Length: 1\r\n\r\na", Service::SysTran, 400},
        {"GET /services/MobileService.asmx/TranslateText4Touch?text=a&direction=eng HTTP/1.0"
         "\r\n\r\n",
         Service::Promt, 400},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.bytes.toStdString());
        const ServiceRequestRead read = readBytes(refused.bytes);
        EXPECT_FALSE(read.request);
        EXPECT_EQ(read.service, refused.service);
        EXPECT_EQ(read.status, refused.status);
        EXPECT_FALSE(read.error.isEmpty());
    }
}

TEST(ServiceLanguageCodes, EachServicesCodesNameApertiumsLanguages)
{
    struct Case {
        Service service;
        QByteArray source;
        QByteArray target;
        bool detect;
        QByteArray from;
        QByteArray to;
    };
    const Case cases[] = {
        {Service::Google, "en", "es", false, "eng", "spa"},
        {Service::Google, "auto", "zh-CN", true, "", "zho"},
        {Service::Google, "", "iw", true, "", "heb"},
        {Service::Google, "x", "pt-BR", true, "", "por"},
        {Service::Google, "eo", "gl", false, "epo", "glg"},
        {Service::Google, "en", "klingon", false, "eng", ""},
        {Service::GoogleDetecting, "", "ca", true, "", "cat"},
        {Service::Bing, "", "zh-CHS", true, "", "zho"},
        {Service::Bing, "ca", "en", false, "cat", "eng"},
        {Service::Yahoo, "zt", "en", false, "zho", "eng"},
        {Service::SysTran, "sv", "es", false, "swe", "spa"},
        {Service::Babylon, "0", "3", false, "eng", "spa"},
        {Service::Babylon, "99", "344", false, "cat", "spa"},
        {Service::Babylon, "", "777", false, "", ""},
        {Service::Promt, "a", "s", true, "", "spa"},
        {Service::Promt, "e", "g", false, "eng", "deu"},
        {Service::Promt, "x", "z", false, "", ""},
    };
    for (const Case& code : cases) {
        SCOPED_TRACE(std::string(serviceName(code.service)) + " " + code.source.toStdString() +
                     " " + code.target.toStdString());
        const RequestedLanguage source = ServiceLanguageCodes::source(code.service, code.source);
        EXPECT_EQ(source.detect, code.detect);
        EXPECT_EQ(source.code, code.from);
        EXPECT_EQ(ServiceLanguageCodes::target(code.service, code.target).code, code.to);
    }
}

} // namespace
} // namespace verbalink::gateway
