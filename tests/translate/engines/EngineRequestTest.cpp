#include "QtPrinters.h"
#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineWire.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

const QByteArray Proxy = "Proxy-Authorization: Basic dXNlcjpwYXNz\r\n";
const QByteArray Accept = "Accept-Charset: utf-8;q=0.7,*;q=0.7\r\n";
const QByteArray Agent =
    "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64; rv:9.0.1) Gecko/20100101 Firefox/9.0.1\r\n";

struct Golden {
    const char* name;
    QByteArray (*build)(const QByteArray& proxyLine);
    QByteArray (*expected)(const QByteArray& proxyLine);
};

// Every request, byte for byte; each built once without and once with the proxy line.
const Golden Requests[] = {
    {"Google",
     [](const QByteArray& p) -> QByteArray {
         return GoogleEngine::request("tr.example:8080", "a%20b", "en", "de", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET /translate_a/t?client=o&text=a%20b&sl=en&tl=de HTTP/1.0\r\n"
                "Host: tr.example:8080\r\n" +
                Accept + Agent + p + "\r\n";
     }},
    {"Google, source detected",
     [](const QByteArray& p) -> QByteArray {
         return GoogleEngine::request("tr.example", "x", "", "zh-CN", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET /translate_a/t?client=o&text=x&sl=auto&tl=zh-CN HTTP/1.0\r\n"
                "Host: tr.example\r\n" +
                Accept + Agent + p + "\r\n";
     }},
    {"Google, language-detecting",
     [](const QByteArray& p) -> QByteArray {
         return GoogleEngine::detectingRequest("search.example", "hi%21", "fr", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET http://search.example/uds/Gtranslate?context=1&q=hi%21&langpair=%7Cfr"
                "&v=1.0 HTTP/1.0\r\nHost: search.example\r\n" +
                Accept + p + "\r\n";
     }},
    {"Yahoo",
     [](const QByteArray& p) -> QByteArray {
         return YahooEngine::request("y.example", "T", "en_de", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET http://y.example/translate_txt?ei=UTF-8&trtext=T&lp=en_de HTTP/1.0\r\n"
                "Host: y.example\r\n" +
                Accept + p + "\r\n";
     }},
    {"Bing",
     [](const QByteArray& p) -> QByteArray {
         return BingEngine::request("b.example", "%C3%A9", "", "de", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "POST http://b.example/DefaultPrev.aspx?ref=IE8Activity HTTP/1.1\r\n"
                "Host: b.example\r\n" +
                Agent + Accept + "Cookie: from=; to=de;\r\n" + p +
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: 17\r\n\r\nSourceText=%C3%A9";
     }},
    {"Babylon",
     [](const QByteArray& p) -> QByteArray {
         return BabylonEngine::request("bab.example", "T", "0", "9", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET http://bab.example/translate/babylon.php?v=1.0&q=T&langpair=0%7C9"
                "&callback=babylonTranslator.callback"
                "&context=babylon.7.0._babylon_api_response HTTP/1.0\r\n"
                "Host: bab.example\r\n" +
                Accept + p + "Referer: http://bab.example/\r\n\r\n\r\n";
     }},
    {"SysTran, cookie",
     [](const QByteArray& p) -> QByteArray { return SysTranEngine::cookieRequest("s.example", p); },
     [](const QByteArray& p) -> QByteArray {
         return "GET http://s.example/ HTTP/1.0\r\nHost: s.example\r\n" + Accept + p + "\r\n";
     }},
    {"SysTran, translation",
     [](const QByteArray& p) -> QByteArray {
         return SysTranEngine::translationRequest("s.example", "en_fr", "Cookie: a=1;",
                                                  "a b\xc3\xa9", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "POST http://s.example/sai?gui=text&lp=en_fr&service=translate HTTP/1.0\r\n"
                "Host: s.example\r\n" +
                Accept + "Referer: http://s.example/\r\nCookie: a=1;\r\n" + p +
                "Content-Type: application/x-www-form-urlencoded; charset=UTF-8\r\n"
                "Content-Length: 5\r\n\r\na b\xc3\xa9";
     }},
    {"Promt",
     [](const QByteArray& p) -> QByteArray {
         return PromtEngine::request("p.example", "T", "e", "g", p);
     },
     [](const QByteArray& p) -> QByteArray {
         return "GET http://p.example/services/MobileService.asmx/TranslateText4Touch"
                "?template=General&intLang=ru&text=T&direction=eg&v=1.0 HTTP/1.0\r\n"
                "Host: p.example\r\n" +
                Accept + p + Agent + "\r\n";
     }},
};

TEST(EngineRequest, EveryRequestByteForByteWithAndWithoutTheProxyLine)
{
    for (const Golden& golden : Requests) {
        for (const QByteArray& proxyLine : {QByteArray(), Proxy}) {
            SCOPED_TRACE(std::string(golden.name) + (proxyLine.isEmpty() ? "" : ", proxy"));
            EXPECT_EQ(golden.build(proxyLine), golden.expected(proxyLine));
        }
    }
}

TEST(EngineRequest, MessageTextIsUtf8AndUrlEncodedLanguageCodesCannotAddLines)
{
    EXPECT_EQ(EngineWire::encodedText(u"Grüße, Tom & Jerry", EngineWire::TextCapacity),
              QByteArray("Gr%C3%BC%C3%9Fe%2C%20Tom%20%26%20Jerry"));
    // A text that does not fit is sent empty rather than cut.
    EXPECT_TRUE(EngineWire::encodedText(QString(10, u'x'), 10).isEmpty());
    EXPECT_EQ(EngineWire::encodedText(QString(9, u'x'), 10), QByteArray(9, 'x'));

    // A partner's language comes from outside; odd bytes in it stay inside the parameter.
    const QByteArray request = GoogleEngine::request("h", "t", "", "de\r\nX: 1", {});
    EXPECT_TRUE(request.contains("&tl=de%0D%0AX%3A%201 HTTP/1.0"));
    EXPECT_EQ(BingEngine::request("h", "t", "", "de;x=1", {}).count("\r\n"), 8);
}

} // namespace
} // namespace verbalink
