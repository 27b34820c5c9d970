#include "translate/engines/YahooEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineSteps.h"
#include "translate/engines/EngineWire.h"

namespace verbalink {

EngineResult YahooEngine::translate(const EngineContext& context, const EngineCall& call)
{
    const QByteArray text = EngineWire::encodedText(call.text, EngineWire::TextCapacity);
    const QByteArray response = context.exchange.run(
        context.connection, request(context.host, text, call.target, context.proxyLine));
    return resultOf(extract(EngineExchange::responseText(response)));
}

QByteArray YahooEngine::request(QByteArrayView host, QByteArrayView encodedText,
                                QByteArrayView pair, QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("GET", host);
    request += "/translate_txt?ei=UTF-8&trtext=";
    request += encodedText;
    request += "&lp=";
    request += EngineWire::languageParameter(pair);
    EngineWire::endRequestLine(request, host);
    request += proxyLine;
    request += "\r\n";
    return request;
}

std::optional<QString> YahooEngine::extract(QStringView response)
{
    return extractHtmlField(response, u"<div id=\"result\"><div style=\"padding:0.6em;\">",
                            u"</div>");
}

} // namespace verbalink
