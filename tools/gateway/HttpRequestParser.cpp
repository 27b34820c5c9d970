#include "gateway/HttpRequestParser.h"

#include <optional>

namespace verbalink::gateway {

namespace {

using State = ParsedRequest::State;

constexpr qsizetype MaxMethodLength = 20;
constexpr qsizetype MaxLengthDigits = 12;

struct Line {
    QByteArrayView text;
    qsizetype next = 0;
};

// The line that starts at `from`, without its line end; nothing while its end has not come.
std::optional<Line> lineAt(QByteArrayView bytes, qsizetype from)
{
    const qsizetype lf = bytes.indexOf('\n', from);
    if (lf < 0)
        return std::nullopt;
    qsizetype end = lf;
    if (end > from && bytes[end - 1] == '\r')
        --end;
    return Line{bytes.sliced(from, end - from), lf + 1};
}

ParsedRequest invalid(int status, const char* error)
{
    ParsedRequest parsed;
    parsed.state = State::Invalid;
    parsed.status = status;
    parsed.error = error;
    return parsed;
}

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

bool hasControl(QByteArrayView text)
{
    for (const char c : text) {
        if (isControl(c))
            return true;
    }
    return false;
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// Splits "path?query#fragment" into the request's path and query.
void splitTarget(QByteArrayView rest, HttpRequest& request)
{
    const qsizetype fragment = rest.indexOf('#');
    if (fragment >= 0)
        rest = rest.first(fragment);
    const qsizetype question = rest.indexOf('?');
    request.path = (question < 0 ? rest : rest.first(question)).toByteArray();
    request.query = question < 0 ? QByteArray() : rest.sliced(question + 1).toByteArray();
    if (!request.path.startsWith('/'))
        request.path.prepend('/');
}

std::optional<ParsedRequest> readTarget(QByteArrayView target, HttpRequest& request)
{
    for (const char c : target) {
        if (isControl(c) || c == ' ')
            return invalid(400, "bad character in the request target");
    }
    request.target = target.toByteArray();
    if (target.startsWith('/')) {
        splitTarget(target, request);
        return std::nullopt;
    }
    // Through a proxy the engines send the whole address.
    constexpr QByteArrayView Scheme = "http://";
    if (target.size() < Scheme.size() ||
        target.first(Scheme.size()).compare(Scheme, Qt::CaseInsensitive) != 0)
        return invalid(400, "the request target is neither a path nor an http address");
    const QByteArrayView afterScheme = target.sliced(Scheme.size());
    qsizetype authorityEnd = afterScheme.size();
    for (const char end : {'/', '?', '#'}) {
        const qsizetype at = afterScheme.indexOf(end);
        if (at >= 0 && at < authorityEnd)
            authorityEnd = at;
    }
    if (authorityEnd == 0)
        return invalid(400, "the request address has no host");
    splitTarget(afterScheme.sliced(authorityEnd), request);
    return std::nullopt;
}

std::optional<ParsedRequest> readRequestLine(QByteArrayView line, HttpRequest& request)
{
    const qsizetype firstSpace = line.indexOf(' ');
    const qsizetype lastSpace = line.lastIndexOf(' ');
    if (firstSpace <= 0 || lastSpace == firstSpace || lastSpace == line.size() - 1)
        return invalid(400, "malformed request line");
    const QByteArrayView method = line.first(firstSpace);
    const QByteArrayView target = line.sliced(firstSpace + 1, lastSpace - firstSpace - 1);
    const QByteArrayView version = line.sliced(lastSpace + 1);
    if (!isToken(method) || method.size() > MaxMethodLength)
        return invalid(400, "malformed request method");
    const bool versionShape = version.size() == 8 && version.startsWith("HTTP/") &&
                              version[5] >= '0' && version[5] <= '9' && version[6] == '.' &&
                              version[7] >= '0' && version[7] <= '9';
    if (!versionShape)
        return invalid(400, "malformed HTTP version");
    if (version[5] != '1')
        return invalid(505, "only HTTP/1.x is spoken here");
    request.method = method.toByteArray();
    request.version = version.toByteArray();
    return readTarget(target, request);
}

std::optional<ParsedRequest> readField(QByteArrayView line, HttpRequest& request, int limit)
{
    if (line.front() == ' ' || line.front() == '\t')
        return invalid(400, "folded header lines are not accepted");
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0 || !isToken(line.first(colon)))
        return invalid(400, "malformed header line");
    const QByteArrayView value = trimmed(line.sliced(colon + 1));
    if (hasControl(value))
        return invalid(400, "control character in a header line");
    if (request.fields.size() >= limit)
        return invalid(431, "too many header lines");
    request.fields.append({line.first(colon).toByteArray(), value.toByteArray()});
    return std::nullopt;
}

// The declared body length; -1 for none, -2 when the declarations are unusable.
qsizetype declaredLength(const HttpRequest& request)
{
    qsizetype length = -1;
    for (const HttpRequest::Field& field : request.fields) {
        if (field.name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        if (field.value.isEmpty() || field.value.size() > MaxLengthDigits)
            return -2;
        for (const char c : field.value) {
            if (c < '0' || c > '9')
                return -2;
        }
        const qsizetype value = field.value.toLongLong();
        if (length >= 0 && value != length)
            return -2;
        length = value;
    }
    return length;
}

ParsedRequest readBody(QByteArrayView bytes, qsizetype bodyStart, HttpRequest request,
                       const RequestLimits& limits)
{
    if (request.field("Transfer-Encoding"))
        return invalid(501, "chunked request bodies are not supported");
    const qsizetype length = declaredLength(request);
    if (length == -2)
        return invalid(400, "bad Content-Length");
    if (length > limits.bodyBytes)
        return invalid(413, "request body too large");
    if (length < 0 && request.method == "POST")
        return invalid(411, "a POST needs a Content-Length");
    ParsedRequest parsed;
    if (length > 0) {
        if (bytes.size() - bodyStart < length) {
            parsed.awaitedBytes = bodyStart + length;
            return parsed;
        }
        request.body = bytes.sliced(bodyStart, length).toByteArray();
    }
    parsed.state = State::Complete;
    parsed.request = std::move(request);
    return parsed;
}

// A line still coming in can already be refused for what it holds.
ParsedRequest incomplete(QByteArrayView bytes, qsizetype from, const RequestLimits& limits)
{
    if (bytes.size() > limits.headBytes)
        return invalid(431, "request head too large");
    QByteArrayView partial = bytes.sliced(from);
    if (partial.endsWith('\r'))
        partial.chop(1);
    if (hasControl(partial))
        return invalid(400, "control character in the request head");
    return {};
}

} // namespace

ParsedRequest parseHttpRequest(QByteArrayView bytes, const RequestLimits& limits)
{
    qsizetype at = 0;
    // Empty lines before the request line are tolerated.
    std::optional<Line> line;
    while ((line = lineAt(bytes, at)) && line->text.isEmpty())
        at = line->next;
    if (!line)
        return incomplete(bytes, at, limits);
    if (line->next > limits.headBytes)
        return invalid(431, "request head too large");
    if (hasControl(line->text))
        return invalid(400, "control character in the request line");

    HttpRequest request;
    if (std::optional<ParsedRequest> refused = readRequestLine(line->text, request))
        return *refused;
    at = line->next;
    while ((line = lineAt(bytes, at))) {
        if (line->next > limits.headBytes)
            return invalid(431, "request head too large");
        if (line->text.isEmpty())
            return readBody(bytes, line->next, std::move(request), limits);
        if (std::optional<ParsedRequest> refused = readField(line->text, request, limits.fields))
            return *refused;
        at = line->next;
    }
    return incomplete(bytes, at, limits);
}

} // namespace verbalink::gateway
