#include "translate/engines/BingEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineSteps.h"
#include "translate/engines/EngineWire.h"

namespace verbalink {

EngineResult BingEngine::translate(const EngineContext& context, const EngineCall& call)
{
    return translateWithLanguages(context, call, &request, &extract);
}

QByteArray BingEngine::request(QByteArrayView host, QByteArrayView encodedText,
                               QByteArrayView source, QByteArrayView target,
                               QByteArrayView proxyLine)
{
    QByteArray body = "SourceText=";
    body += encodedText;

    QByteArray request = EngineWire::absoluteRequestStart("POST", host);
    request += "/DefaultPrev.aspx?ref=IE8Activity HTTP/1.1\r\nHost: ";
    request += host;
    request += "\r\n";
    request += EngineWire::UserAgentLine;
    request += EngineWire::AcceptCharsetLine;
    request += "Cookie: from=";
    request += EngineWire::languageParameter(source);
    request += "; to=";
    request += EngineWire::languageParameter(target);
    request += ";\r\n";
    request += proxyLine;
    request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: ";
    request += QByteArray::number(body.size());
    request += "\r\n\r\n";
    request += body;
    return request;
}

std::optional<QString> BingEngine::extract(QStringView response)
{
    return extractHtmlField(response, u"id=\"TargetText\">", u"</textarea>");
}

} // namespace verbalink
