#include "translate/YahooEngine.h"

#include "translate/EngineExchange.h"
#include "translate/EngineWire.h"
#include "translate/MarkerExtraction.h"
#include "translate/TextEdits.h"
#include "translate/TextEscapes.h"

namespace verbalink {

EngineResult YahooEngine::translate(const EngineContext& context, const EngineCall& call,
                                    const EngineLanguages& languages)
{
    const QByteArray text = EngineWire::encodedText(call.text, EngineWire::TextCapacity);
    const QByteArray response = context.exchange.run(
        context.connection, request(context.host, text, languages.target.code, context.proxyLine));
    std::optional<QString> translation = extract(EngineExchange::responseText(response));
    if (!translation)
        return EngineResult::failed();
    return EngineResult::translated(*translation, languages.target.flag);
}

QByteArray YahooEngine::request(QByteArrayView host, QByteArrayView encodedText,
                                QByteArrayView pair, QByteArrayView proxyLine)
{
    QByteArray request = "GET http://";
    request += host;
    request += "/translate_txt?ei=UTF-8&trtext=";
    request += encodedText;
    request += "&lp=";
    request += EngineWire::languageParameter(pair);
    request += " HTTP/1.0\r\nHost: ";
    request += host;
    request += "\r\n";
    request += EngineWire::AcceptCharsetLine;
    request += proxyLine;
    request += "\r\n";
    return request;
}

std::optional<QString> YahooEngine::extract(QStringView response)
{
    std::optional<QString> text =
        extractBetweenMarkers(response, u"<div id=\"result\"><div style=\"padding:0.6em;\">",
                              u"</div>", MissingEnd::RunToEnd);
    if (text) {
        trimSpaces(*text);
        decodeNumericReferences(*text);
    }
    return text;
}

} // namespace verbalink
