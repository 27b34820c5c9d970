#include "ServiceAnswers.h"

namespace verbalink::test::ServiceAnswers {

namespace {

// Google and Promt: JSON-style escapes for markup and quotes, CR LF as the text "\r\n".
QByteArray jsonEscaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&':
            out += "\\u0026";
            break;
        case '<':
            out += "\\u0026lt;";
            break;
        case '>':
            out += "\\u0026gt;";
            break;
        case '=':
            out += "\\u003d";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            break;
        case '\n':
            out += "\\r\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// HTML pages: markup characters as decimal references.
QByteArray htmlEscaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '<' || c == '>' || c == '&' || c == '"')
            out += "&#" + QByteArray::number(int(c)) + ';';
        else
            out += c;
    }
    return out;
}

// Babylon: every non-ASCII unit as \uXXXX, quotes and line feeds escaped.
QByteArray unicodeEscaped(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c == u'"')
            out += "\\\"";
        else if (c == u'\n')
            out += "\\n";
        else if (c.unicode() < 0x80)
            out += char(c.unicode());
        else
            out += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    }
    return out;
}

} // namespace

QByteArray httpAnswer(const QByteArray& contentType, const QByteArray& body,
                      const QList<QByteArray>& extraHeaders)
{
    QByteArray answer = "HTTP/1.0 200 OK\r\nContent-Type: " + contentType + "\r\n";
    for (const QByteArray& header : extraHeaders)
        answer += header + "\r\n";
    answer += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    return answer;
}

QByteArray googleSentences(const QList<Sentence>& sentences)
{
    QByteArray body = "{\"sentences\":[";
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        if (i > 0)
            body += ',';
        body += "{\"trans\":\"" + jsonEscaped(sentences[i].translation) + "\",\"orig\":\"-\"," +
                "\"translit\":\"\",\"src_translit\":\"" +
                jsonEscaped(sentences[i].transliteration) + "\"}";
    }
    body += "],\"src\":\"en\"}";
    return httpAnswer("application/json; charset=UTF-8", body);
}

QByteArray googleDetected(const QString& translation, const QByteArray& language)
{
    return httpAnswer("text/javascript; charset=utf-8",
                      "{\"responseData\": {\"translatedText\":\"" + jsonEscaped(translation) +
                          "\",\"detectedSourceLanguage\":\"" + language +
                          "\"}, \"responseDetails\": null, \"responseStatus\": 200}");
}

QByteArray googleUndetectable()
{
    return httpAnswer("text/javascript; charset=utf-8",
                      "{\"responseData\": null, \"responseDetails\": \"could not reliably "
                      "detect source language\", \"responseStatus\": 400}");
}

QByteArray yahooResult(const QString& translation)
{
    return httpAnswer("text/html; charset=utf-8",
                      "<html><body><div id=\"result\"><div style=\"padding:0.6em;\">" +
                          htmlEscaped(translation) + "</div></div></body></html>");
}

QByteArray bingResult(const QString& translation)
{
    return httpAnswer("text/html; charset=utf-8",
                      "<html><body><textarea name=\"TargetText\" id=\"TargetText\">" +
                          htmlEscaped(translation) + "</textarea></body></html>");
}

QByteArray babylonCallback(const QString& translation)
{
    return httpAnswer("text/javascript", "babylonTranslator.callback({\"translatedText\":\"" +
                                             unicodeEscaped(translation) +
                                             "\"}, 200, null, null);");
}

QByteArray babylonBare(const QByteArray& body)
{
    return httpAnswer("text/plain", body);
}

QByteArray sysTranCookiePage(const QList<QByteArray>& setCookieValues)
{
    QList<QByteArray> headers;
    for (const QByteArray& value : setCookieValues)
        headers.append("Set-Cookie: " + value);
    return httpAnswer("text/html", "<html><body>SysTran</body></html>", headers);
}

QByteArray sysTranResult(const QString& translation)
{
    return httpAnswer("text/plain; charset=UTF-8", "status=ok\nbody=\n" + htmlEscaped(translation));
}

QByteArray promtResult(const QString& translation)
{
    return httpAnswer("text/xml; charset=utf-8",
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<result>" +
                          jsonEscaped(translation) + "</result>");
}

QByteArray promtErrorPage()
{
    return httpAnswer("text/xml; charset=utf-8",
                      "<?xml version=\"1.0\"?>\r\n<result>&lt;html&gt;&lt;head&gt;&lt;style&gt;"
                      "body{}&lt;/style&gt;&lt;/head&gt;Server Error&lt;/html&gt;</result>");
}

QByteArray robotResult(const QByteArray& conversationId, const QString& input,
                       const QString& answer)
{
    return httpAnswer("text/xml; charset=UTF-8",
                      "<result status=\"0\" botid=\"b0dafd24ee35a477\" custid=\"" + conversationId +
                          "\"><input>" + input.toUtf8() + "</input><that>" + answer.toUtf8() +
                          "</that></result>");
}

} // namespace verbalink::test::ServiceAnswers
