#include "translate/engines/PromtEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineSteps.h"
#include "translate/engines/EngineWire.h"
#include "translate/text/MarkerExtraction.h"
#include "translate/text/TextEdits.h"
#include "translate/text/TextEscapes.h"

namespace verbalink {

EngineResult PromtEngine::translate(const EngineContext& context, const EngineCall& call)
{
    // An empty answer fails here: Promt's extraction gives the typed text back for its error page.
    return translateWithLanguages(context, call, &request,
                                  [&call](QStringView response) -> std::optional<QString> {
                                      if (response.isEmpty())
                                          return std::nullopt;
                                      return extract(response, call.text);
                                  });
}

QByteArray PromtEngine::request(QByteArrayView host, QByteArrayView encodedText,
                                QByteArrayView source, QByteArrayView target,
                                QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("GET", host);
    request += "/services/MobileService.asmx/TranslateText4Touch"
               "?template=General&intLang=ru&text=";
    request += encodedText;
    request += "&direction=";
    request += EngineWire::languageParameter(source);
    request += EngineWire::languageParameter(target);
    request += "&v=1.0";
    EngineWire::endRequestLine(request, host);
    request += proxyLine;
    request += EngineWire::UserAgentLine;
    request += "\r\n";
    return request;
}

std::optional<QString> PromtEngine::extract(QStringView response, const QString& typedText)
{
    std::optional<QString> text =
        extractBetweenMarkers(response, u"<result>", u"</result>", MissingEnd::RunToEnd);
    if (!text)
        return std::nullopt;
    trimSpaces(*text);
    unescapeJsonText(*text);
    decodeNumericReferences(*text);
    if (text->contains(u"&lt;style&gt;"))
        return typedText;
    return text;
}

} // namespace verbalink
