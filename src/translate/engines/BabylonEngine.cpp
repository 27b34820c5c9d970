#include "translate/engines/BabylonEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineSteps.h"
#include "translate/engines/EngineWire.h"
#include "translate/text/MarkerExtraction.h"
#include "translate/text/TextEdits.h"
#include "translate/text/TextEscapes.h"

namespace verbalink {

EngineResult BabylonEngine::translate(const EngineContext& context, const EngineCall& call)
{
    return translateWithLanguages(context, call, &request, &extract);
}

QByteArray BabylonEngine::request(QByteArrayView host, QByteArrayView encodedText,
                                  QByteArrayView source, QByteArrayView target,
                                  QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("GET", host);
    request += "/translate/babylon.php?v=1.0&q=";
    request += encodedText;
    request += "&langpair=";
    request += EngineWire::languageParameter(source);
    request += "%7C";
    request += EngineWire::languageParameter(target);
    request += "&callback=babylonTranslator.callback"
               "&context=babylon.7.0._babylon_api_response";
    EngineWire::endRequestLine(request, host);
    request += proxyLine;
    request += "Referer: ";
    request += EngineWire::rootAddress(host);
    request += "\r\n";
    // The service has always been sent a second empty line after the header block.
    request += "\r\n\r\n";
    return request;
}

std::optional<QString> BabylonEngine::extract(QStringView response)
{
    std::optional<QString> text =
        extractBetweenMarkers(response, u"\"translatedText\":\"", u"\"}", MissingEnd::RunToEnd);
    if (text) {
        trimSpaces(*text);
        trimNewlines(*text);
    } else {
        // Without the object the body itself is taken, whatever it says.
        text = extractBetweenMarkers(response, u"\r\n\r\n", {}, MissingEnd::RunToEnd);
    }
    if (!text || text->isEmpty())
        return std::nullopt;
    trimSpaces(*text);
    decodeNumericReferences(*text);
    replaceAll(*text, u"\\n", u"\n");
    replaceAll(*text, u"\\\"", u"\"");
    decodeUnicodeEscapes(*text);
    return text;
}

} // namespace verbalink
