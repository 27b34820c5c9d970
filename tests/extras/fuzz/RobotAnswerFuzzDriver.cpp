#include "fuzz/RobotAnswerFuzzDriver.h"

#include "extras/RobotAnswer.h"

namespace verbalink::fuzz {

namespace {

QString checkParsed(const QString& response)
{
    const RobotAnswer answer = RobotAnswer::parse(response);
    if (answer.text.size() > response.size())
        return QStringLiteral("the answer is longer than the response");
    if (answer.conversationId) {
        if (answer.conversationId->contains('"'))
            return QStringLiteral("a conversation id holds a quote");
        if (!response.contains(u"custid=\""))
            return QStringLiteral("a conversation id without its marker");
    }
    return {};
}

// The same input as the plain text of a well-formed answer: it must come back whole.
QString checkRoundTrip(const QString& input)
{
    QString plain = input;
    for (const QChar c : {u'&', u'\\', u'<', u'"'})
        plain.remove(c);
    const QString response =
        u"HTTP/1.0 200 OK\r\n\r\n<result custid=\"c1\"><input>x</input><that>" + plain +
        u"</that></result>";
    const RobotAnswer answer = RobotAnswer::parse(response);
    if (answer.conversationId != QByteArray("c1"))
        return QStringLiteral("the conversation id of a well-formed answer was lost");
    if (answer.text != plain)
        return u"a plain answer came back changed: " + plain.left(80);
    return {};
}

} // namespace

QString driveRobotAnswer(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const QString parsed = checkParsed(text);
    return parsed.isEmpty() ? checkRoundTrip(text) : parsed;
}

} // namespace verbalink::fuzz
