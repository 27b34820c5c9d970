#include "translate/engines/GoogleEngine.h"

#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineWire.h"
#include "translate/text/TextEdits.h"
#include "translate/text/TextEscapes.h"

namespace verbalink {

namespace {

constexpr QStringView TransMarker = u"\"trans\":\"";
constexpr QStringView TransEnd = u"\",";
constexpr QStringView TranslitMarker = u"\"src_translit\":\"";
constexpr QStringView TranslitEnd = u"\"}";
constexpr QStringView Undetectable = u"could not reliably detect source language";
constexpr QStringView DetectedMarker = u"\"detectedSourceLanguage\":\"";
constexpr QStringView TranslatedMarker = u"\"translatedText\":\"";
constexpr QStringView TranslatedEnd = u"\",";

// The text before the first end marker, or all of it.
QStringView upTo(QStringView text, QStringView end)
{
    const qsizetype at = text.indexOf(end);
    return at < 0 ? text : text.first(at);
}

// The text after the marker, when it occurs above position 0.
bool skipPast(QStringView& text, QStringView marker)
{
    const qsizetype at = text.indexOf(marker);
    if (at <= 0)
        return false;
    text = text.sliced(at + marker.size());
    return true;
}

} // namespace

EngineResult GoogleEngine::translate(const EngineContext& context, const EngineCall& call)
{
    const QByteArray text = EngineWire::encodedText(call.text, EngineWire::TextCapacity);
    const QByteArray response =
        context.exchange.run(context.connection, request(context.host, text, call.source,
                                                         call.target, context.proxyLine));
    Answer answer = extract(EngineExchange::responseText(response));
    if (answer.translation.isEmpty())
        return EngineResult::failed();
    unescape(answer.translation);
    if (!answer.transliteration.isEmpty())
        unescape(answer.transliteration);
    return EngineResult::translated(answer.translation, answer.transliteration);
}

QString GoogleEngine::translateIncoming(const EngineContext& context, const QString& text,
                                        QByteArrayView target)
{
    if (!EngineWire::fits(text, EngineWire::TextCapacity))
        return {};
    const QByteArray encoded = EngineWire::encodedText(text, EngineWire::TextCapacity);
    const QByteArray response = context.exchange.run(
        context.connection, request(context.host, encoded, "auto", target, context.proxyLine));
    QString translation = extract(EngineExchange::responseText(response)).translation;
    if (!translation.isEmpty()) {
        trimSpaces(translation);
        unescapeJsonText(translation);
        decodeNumericReferences(translation);
    }
    return translation;
}

GoogleEngine::DetectedTranslation GoogleEngine::translateDetecting(const EngineContext& context,
                                                                   const QString& text,
                                                                   QByteArrayView target)
{
    if (!EngineWire::fits(text, EngineWire::DetectingTextCapacity))
        return {};
    const QByteArray encoded = EngineWire::encodedText(text, EngineWire::DetectingTextCapacity);
    const QByteArray response = context.exchange.run(
        context.connection, detectingRequest(context.host, encoded, target, context.proxyLine));
    if (response.isEmpty())
        return {};
    return extractDetecting(EngineExchange::responseText(response));
}

QByteArray GoogleEngine::request(QByteArrayView host, QByteArrayView encodedText,
                                 QByteArrayView source, QByteArrayView target,
                                 QByteArrayView proxyLine)
{
    QByteArray request = "GET /translate_a/t?client=o&text=";
    request += encodedText;
    request += "&sl=";
    request += source.size() > 1 ? EngineWire::languageParameter(source) : QByteArray("auto");
    request += "&tl=";
    request += EngineWire::languageParameter(target);
    EngineWire::endRequestLine(request, host);
    request += EngineWire::UserAgentLine;
    request += proxyLine;
    request += "\r\n";
    return request;
}

QByteArray GoogleEngine::detectingRequest(QByteArrayView host, QByteArrayView encodedText,
                                          QByteArrayView target, QByteArrayView proxyLine)
{
    QByteArray request = EngineWire::absoluteRequestStart("GET", host);
    request += "/uds/Gtranslate?context=1&q=";
    request += encodedText;
    // The source side of the pair stays empty: the service detects it.
    request += "&langpair=%7C";
    request += EngineWire::languageParameter(target);
    request += "&v=1.0";
    EngineWire::endRequestLine(request, host);
    request += proxyLine;
    request += "\r\n";
    return request;
}

GoogleEngine::Answer GoogleEngine::extract(QStringView response)
{
    Answer answer;
    QStringView rest = response;
    // Each search goes on after the text just taken: a well-formed answer reads the same as
    // resuming right after the marker would, but markers nested in a broken one can never make
    // a sentence count twice (which grew the text quadratically).
    while (skipPast(rest, TransMarker)) {
        const QStringView sentence = upTo(rest, TransEnd);
        answer.translation += sentence;
        rest = rest.sliced(sentence.size());
        if (skipPast(rest, TranslitMarker)) {
            const QStringView transliteration = upTo(rest, TranslitEnd);
            answer.transliteration += transliteration;
            rest = rest.sliced(transliteration.size());
        }
    }
    return answer;
}

GoogleEngine::DetectedTranslation GoogleEngine::extractDetecting(QStringView response)
{
    if (response.contains(Undetectable))
        return {};
    DetectedTranslation result;
    QStringView language = response;
    if (skipPast(language, DetectedMarker))
        result.language = language.first(qMin<qsizetype>(2, language.size())).toString();
    QStringView translated = response;
    if (!skipPast(translated, TranslatedMarker))
        return {};
    result.text = upTo(translated, TranslatedEnd).toString();
    trimSpaces(result.text);
    unescapeJsonText(result.text);
    replaceAll(result.text, u"&quot;", u"\"");
    decodeNumericReferences(result.text);
    if (result.text.isEmpty())
        return {};
    return result;
}

void GoogleEngine::unescape(QString& text)
{
    trimSpaces(text);
    unescapeJsonText(text);
    replaceAll(text, u"\\\"", u"\"");
    replaceAll(text, u"\\r\\n", u"\r\n");
    decodeNumericReferences(text);
}

} // namespace verbalink
