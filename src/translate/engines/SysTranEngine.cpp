#include "translate/engines/SysTranEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineSteps.h"
#include "translate/engines/EngineWire.h"

namespace verbalink {

namespace {

constexpr QByteArrayView SetCookie = "Set-Cookie:";

qsizetype lineEndFrom(QByteArrayView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    }
    return text.size();
}

} // namespace

EngineResult SysTranEngine::translate(const EngineContext& context, const EngineCall& call)
{
    const QByteArray cookies =
        context.exchange.run(context.connection, cookieRequest(context.host, context.proxyLine));
    const QByteArray body = EngineWire::utf8Text(call.text, EngineWire::TextCapacity);
    const QByteArray response = context.exchange.run(
        context.connection, translationRequest(context.host, call.target, cookieLine(cookies), body,
                                               context.proxyLine));
    return resultOf(extract(EngineExchange::responseText(response)));
}

QByteArray SysTranEngine::cookieRequest(QByteArrayView host, QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("GET", host);
    request += "/";
    EngineWire::endRequestLine(request, host);
    request += proxyLine;
    request += "\r\n";
    return request;
}

QByteArray SysTranEngine::cookieLine(QByteArrayView cookieAnswer)
{
    QByteArray line = "Cookie:";
    qsizetype from = 0;
    for (;;) {
        const qsizetype header = cookieAnswer.indexOf(SetCookie, from);
        if (header < 0)
            return line;
        const qsizetype value = header + SetCookie.size();
        const qsizetype lineEnd = lineEndFrom(cookieAnswer, value);
        const qsizetype semicolon = cookieAnswer.indexOf(';', value);
        if (semicolon >= 0 && semicolon < lineEnd) {
            line += cookieAnswer.sliced(value, semicolon + 1 - value);
            from = semicolon;
        } else {
            // A value without its ";" must not drag the answer's next lines into our request.
            line += cookieAnswer.sliced(value, lineEnd - value);
            line += ';';
            from = lineEnd;
        }
    }
}

QByteArray SysTranEngine::translationRequest(QByteArrayView host, QByteArrayView pair,
                                             QByteArrayView cookieLine, QByteArrayView body,
                                             QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("POST", host);
    request += "/sai?gui=text&lp=";
    request += EngineWire::languageParameter(pair);
    request += "&service=translate";
    EngineWire::endRequestLine(request, host);
    request += "Referer: ";
    request += EngineWire::rootAddress(host);
    request += "\r\n";
    request += cookieLine;
    request += "\r\n";
    request += proxyLine;
    request += "Content-Type: application/x-www-form-urlencoded; charset=UTF-8\r\nContent-Length: ";
    request += QByteArray::number(body.size());
    request += "\r\n\r\n";
    request += body;
    return request;
}

std::optional<QString> SysTranEngine::extract(QStringView response)
{
    return extractHtmlField(response, u"body=\n", {});
}

} // namespace verbalink
