#include "extras/RobotAnswer.h"

#include "translate/text/TextEscapes.h"

namespace verbalink {

namespace {

// The text between two markers after `from`; nullopt when either is missing.
std::optional<QString> between(QStringView text, qsizetype from, QStringView open,
                               QStringView close)
{
    const qsizetype start = text.indexOf(open, from);
    if (start < 0)
        return std::nullopt;
    const qsizetype body = start + open.size();
    const qsizetype end = text.indexOf(close, body);
    if (end < 0)
        return std::nullopt;
    return text.mid(body, end - body).toString();
}

// The service escapes its answer twice over: JavaScript-style \u0026 forms, then entities.
void unescape(QString& answer)
{
    const struct {
        QStringView from;
        QStringView to;
    } replacements[] = {
        {u"\\u0026lt;", u"<"}, {u"\\u0026gt;", u">"}, {u"\\u0026quot;", u"\""}, {u"\\u0026", u"&"},
        {u"\\u003d", u"="},    {u"&amp;", u"&"},      {u"&quot;", u"\""},
    };
    for (const auto& r : replacements)
        answer.replace(r.from.toString(), r.to.toString());
    decodeNumericReferences(answer);
}

} // namespace

RobotAnswer RobotAnswer::parse(QStringView response)
{
    RobotAnswer answer;
    constexpr QStringView CustomerMarker = u"custid=\"";
    const qsizetype customer = response.indexOf(CustomerMarker);
    if (customer <= 0) {
        answer.text = between(response, 0, u"<message>", u"</message>").value_or(QString());
        return answer;
    }
    const qsizetype idStart = customer + CustomerMarker.size();
    const qsizetype quote = response.indexOf(u'"', idStart);
    if (quote > idStart)
        answer.conversationId = response.mid(idStart, quote - idStart).toLatin1();
    const std::optional<QString> text =
        between(response, idStart, u"</input><that>", u"</that></result>");
    if (text && !text->isEmpty()) {
        answer.text = *text;
        unescape(answer.text);
    }
    return answer;
}

} // namespace verbalink
