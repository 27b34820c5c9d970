#include "gateway/AnswerFormats.h"

#include "gateway/AnswerEscapes.h"

#include <QList>

namespace verbalink::gateway::AnswerFormats {

namespace {

using AnswerEscapes::asNumericReferences;
using AnswerEscapes::asUnicodeEscapes;

constexpr QByteArrayView Json = "application/json; charset=UTF-8";
constexpr QByteArrayView Script = "text/javascript; charset=UTF-8";
constexpr QByteArrayView Html = "text/html; charset=UTF-8";
constexpr QByteArrayView Text = "text/plain; charset=UTF-8";
constexpr QByteArrayView Xml = "text/xml; charset=utf-8";

HttpResponse answer(int status, QByteArrayView contentType, QByteArray body)
{
    return {status, contentType.toByteArray(), {}, std::move(body)};
}

QByteArray reasonText(QByteArrayView reason)
{
    return asNumericReferences(QString::fromUtf8(reason));
}

// Sentences as the service split them: each keeps the spaces after its end, so joined they
// give the text back.
QList<QStringView> sentences(QStringView text)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'.' && c != u'!' && c != u'?')
            continue;
        qsizetype end = i + 1;
        while (end < text.size() && text[end].isSpace())
            ++end;
        if (end == i + 1 && end < text.size())
            continue;
        parts.append(text.sliced(start, end - start));
        start = end;
        i = end - 1;
    }
    if (start < text.size())
        parts.append(text.sliced(start));
    return parts;
}

QByteArray googleSentences(const QString& text, QByteArrayView source)
{
    QByteArray body = "{\"sentences\":[";
    const QList<QStringView> parts = sentences(text);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            body += ',';
        body += "{\"trans\":\"" + asNumericReferences(parts[i]) +
                "\",\"orig\":\"\",\"translit\":\"\",\"src_translit\":\"\"}";
    }
    body += "],\"src\":\"" + source.toByteArray() + "\"}";
    return body;
}

QByteArray page(const QByteArray& content)
{
    return "<html><head><title>Translation</title></head><body>" + content + "</body></html>";
}

} // namespace

HttpResponse translation(Service service, const QString& text, QByteArrayView sourceLanguage)
{
    switch (service) {
    case Service::Google:
        return answer(200, Json, googleSentences(text, sourceLanguage));
    case Service::GoogleDetecting:
        return answer(200, Script,
                      "{\"responseData\": {\"translatedText\":\"" + asNumericReferences(text) +
                          "\",\"detectedSourceLanguage\":\"" + sourceLanguage.toByteArray() +
                          "\"}, \"responseDetails\": null, \"responseStatus\": 200}");
    case Service::Yahoo:
        return answer(200, Html,
                      page("<div id=\"result\"><div style=\"padding:0.6em;\">" +
                           asNumericReferences(text) + "</div></div>"));
    case Service::Bing:
        return answer(200, Html,
                      page("<textarea name=\"TargetText\" id=\"TargetText\">" +
                           asNumericReferences(text) + "</textarea>"));
    case Service::Babylon:
        return answer(200, Script,
                      "babylonTranslator.callback({\"translatedText\":\"" + asUnicodeEscapes(text) +
                          "\"}, 200, null, null);");
    case Service::SysTranCookie:
    case Service::SysTran:
        // The text runs from the marker to the very end.
        return answer(200, Text, "status=ok\nbody=\n" + asNumericReferences(text));
    case Service::Promt:
        return answer(200, Xml,
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<result>" +
                          asNumericReferences(text) + "</result>");
    }
    return plainError(500, "unknown service");
}

HttpResponse refusal(Service service, int status, QByteArrayView reason)
{
    const QByteArray why = reasonText(reason);
    switch (service) {
    case Service::Google:
        return answer(status, Json,
                      "{\"error\":{\"code\":" + QByteArray::number(status) + ",\"message\":\"" +
                          why + "\"}}");
    case Service::GoogleDetecting:
        return answer(200, Script,
                      "{\"responseData\": null, \"responseDetails\": \"" + why +
                          "\", \"responseStatus\": " + QByteArray::number(status) + "}");
    case Service::Yahoo:
    case Service::Bing:
        return answer(status, Html, page("<div class=\"error\">" + why + "</div>"));
    case Service::Babylon:
        // An empty translation: without the object the engine would take the whole body.
        return answer(status, Script,
                      "babylonTranslator.callback({\"translatedText\":\"\"}, " +
                          QByteArray::number(status) + ", null, \"" + why + "\");");
    case Service::SysTranCookie:
    case Service::SysTran:
        return answer(status, Text, "status=error\nerror=" + why + '\n');
    case Service::Promt:
        // Promt's error page: its engine then keeps the typed text.
        return answer(status, Xml,
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<result>&lt;html&gt;&lt;head"
                      "&gt;&lt;style&gt;body{}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;" +
                          why + "&lt;/body&gt;&lt;/html&gt;</result>");
    }
    return plainError(status, reason);
}

HttpResponse undetectable()
{
    return answer(
        200, Script,
        "{\"responseData\": null, \"responseDetails\": \"could not reliably detect source "
        "language\", \"responseStatus\": 400}");
}

HttpResponse sysTranCookies(QByteArrayView session)
{
    HttpResponse response = answer(200, Html, page("<p>Translation</p>"));
    response.fields.append("Set-Cookie: SESSION=" + session.toByteArray() + "; path=/");
    response.fields.append("Set-Cookie: lang=en; path=/");
    return response;
}

HttpResponse plainError(int status, QByteArrayView reason)
{
    return answer(status, Text, reason.toByteArray() + '\n');
}

} // namespace verbalink::gateway::AnswerFormats
