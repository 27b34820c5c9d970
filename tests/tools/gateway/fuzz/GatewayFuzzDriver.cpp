#include "GatewayFuzzDriver.h"

#include "TaggingTranslator.h"
#include "gateway/ApertiumStream.h"
#include "gateway/FormFields.h"
#include "gateway/HttpRequestParser.h"
#include "gateway/RequestHandler.h"

namespace verbalink::gateway::fuzz {

namespace {

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

QString checkParsed(QByteArrayView input, const RequestLimits& limits)
{
    const ParsedRequest parsed = parseHttpRequest(input, limits);
    if (parsed.state == ParsedRequest::State::Invalid)
        return parsed.status >= 400 && parsed.status < 600 && !parsed.error.isEmpty()
                   ? QString()
                   : fail("a refusal without a status or reason");
    if (parsed.state == ParsedRequest::State::Incomplete)
        return input.size() <= limits.headBytes + limits.bodyBytes ? QString()
                                                                   : fail("waits past the limits");
    const HttpRequest& request = parsed.request;
    if (request.method.isEmpty() || !request.path.startsWith('/') ||
        !request.version.startsWith("HTTP/1."))
        return fail("a whole request without method, path or version");
    if (request.body.size() > limits.bodyBytes || request.fields.size() > limits.fields)
        return fail("a whole request past the limits");
    TaggingTranslator translator;
    RequestHandler handler(translator);
    const RequestHandler::Handled handled = handler.handle(request);
    if (handled.response.status < 200 || handled.response.status >= 600 ||
        handled.summary.isEmpty())
        return fail("an answer without status or log summary");
    return {};
}

QString checkStream(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const QByteArray stream = ApertiumStream::encode(text, "gw9");
    if (stream.contains('\0'))
        return fail("a NUL inside an Apertium request");
    QString expected = text;
    expected.remove(QChar(u'\0'));
    if (ApertiumStream::decode(stream, "gw9") != expected)
        return fail("the stream format lost text");
    // Whatever comes back from a pipeline is read without harm.
    ApertiumStream::decode(input, "gw9");
    return {};
}

} // namespace

QString driveGateway(QByteArrayView input)
{
    FormFields::formValue(input, "text");
    FormFields::cookieValue(input, "to");
    for (const QString& failure :
         {checkParsed(input, RequestLimits{}), checkParsed(input, RequestLimits{64, 16, 2}),
          checkStream(input)}) {
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

} // namespace verbalink::gateway::fuzz
