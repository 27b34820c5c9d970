#include "gateway/HttpRequestParser.h"

#include "QtPrinters.h"
#include "gateway/RequestBuffer.h"

#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using State = ParsedRequest::State;

struct Whole {
    const char* name;
    QByteArray bytes;
    QByteArray method;
    QByteArray path;
    QByteArray query;
    QByteArray body;
};

const Whole WholeRequests[] = {
    {"path", "GET /translate_a/t?client=o&text=a%20b HTTP/1.0\r\nHost: h\r\n\r\n", "GET",
     "/translate_a/t", "client=o&text=a%20b", ""},
    {"address through a proxy", "GET http://h.example:8080/uds/Gtranslate?q=x HTTP/1.0\r\n\r\n",
     "GET", "/uds/Gtranslate", "q=x", ""},
    {"address without a path", "GET HTTP://h.example HTTP/1.1\r\n\r\n", "GET", "/", "", ""},
    {"address with only a query", "GET http://h?x=1 HTTP/1.0\r\n\r\n", "GET", "/", "x=1", ""},
    {"bare line feeds, fragment cut", "GET /a?b=1#frag HTTP/1.0\nX:1\n\n", "GET", "/a", "b=1", ""},
    {"empty lines first", "\r\n\r\nGET / HTTP/1.0\r\n\r\n", "GET", "/", "", ""},
    // Babylon's extra empty line after the head stays unread.
    {"bytes after the head", "GET /x HTTP/1.0\r\nReferer: http://h/\r\n\r\n\r\n\r\n", "GET", "/x",
     "", ""},
    {"body by length, rest left", "POST /sai?lp=en_es HTTP/1.0\r\ncontent-length: 5\r\n\r\nhello!!",
     "POST", "/sai", "lp=en_es", "hello"},
    {"same length twice", "POST /p HTTP/1.1\r\nContent-Length: 2\r\nContent-Length:2\r\n\r\nab",
     "POST", "/p", "", "ab"},
};

TEST(HttpRequestParser, WholeRequestsAndEveryPrefixOfThem)
{
    for (const Whole& whole : WholeRequests) {
        SCOPED_TRACE(whole.name);
        const ParsedRequest parsed = parseHttpRequest(whole.bytes);
        ASSERT_EQ(parsed.state, State::Complete) << parsed.error.toStdString();
        EXPECT_EQ(parsed.request.method, whole.method);
        EXPECT_EQ(parsed.request.path, whole.path);
        EXPECT_EQ(parsed.request.query, whole.query);
        EXPECT_EQ(parsed.request.body, whole.body);
        // A request arriving in pieces is never refused before it is all there.
        for (qsizetype length = 0; length < whole.bytes.size(); ++length) {
            const ParsedRequest prefix = parseHttpRequest(whole.bytes.first(length));
            EXPECT_NE(prefix.state, State::Invalid) << length << ": " << prefix.error.toStdString();
        }
    }
}

TEST(HttpRequestParser, FieldsAreFoundWithoutCaseAndTrimmed)
{
    const ParsedRequest parsed =
        parseHttpRequest("POST /DefaultPrev.aspx HTTP/1.1\r\nCookie: \t from=; to=es;  \r\n"
                         "Content-Length: 0\r\n\r\n");
    ASSERT_EQ(parsed.state, State::Complete);
    EXPECT_EQ(parsed.request.field("cookie"), QByteArray("from=; to=es;"));
    EXPECT_FALSE(parsed.request.field("Referer"));
}

struct Refused {
    const char* name;
    QByteArray bytes;
    int status;
};

const RequestLimits Small{200, 10, 3};

const Refused RefusedRequests[] = {
    {"no request line", "hello\r\n\r\n", 400},
    {"two spaces", "GET  / HTTP/1.0\r\n\r\n", 400},
    {"method with a slash", "GE/T / HTTP/1.0\r\n\r\n", 400},
    {"no version", "GET /\r\n\r\n", 400},
    {"version of another shape", "GET / HTTP/1\r\n\r\n", 400},
    {"HTTP/2", "GET / HTTP/2.0\r\n\r\n", 505},
    {"asterisk", "OPTIONS * HTTP/1.1\r\n\r\n", 400},
    {"https address", "GET https://h/ HTTP/1.1\r\n\r\n", 400},
    {"address without host", "GET http:///x HTTP/1.1\r\n\r\n", 400},
    {"header without colon", "GET / HTTP/1.0\r\nHost h\r\n\r\n", 400},
    {"header name with space", "GET / HTTP/1.0\r\nHo st: h\r\n\r\n", 400},
    {"folded header", "GET / HTTP/1.0\r\nA: 1\r\n  2\r\n\r\n", 400},
    {"NUL in a value", QByteArray("GET / HTTP/1.0\r\nA: 1\0 2\r\n\r\n", 27), 400},
    {"lengths differ", "POST / HTTP/1.0\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", 400},
    {"length not a number", "POST / HTTP/1.0\r\nContent-Length: -1\r\n\r\n", 400},
    {"length too long", "POST / HTTP/1.0\r\nContent-Length: 99999999999999\r\n\r\n", 400},
    {"chunked", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", 501},
    {"POST without length", "POST /sai HTTP/1.0\r\n\r\nabc", 411},
    {"body over the limit", "POST / HTTP/1.0\r\nContent-Length: 11\r\n\r\n", 413},
    {"too many fields", "GET / HTTP/1.0\r\nA: 1\r\nB: 2\r\nC: 3\r\nD: 4\r\n\r\n", 431},
    {"head over the limit, unfinished", "GET /" + QByteArray(300, 'a'), 431},
    // Refused before the line is even finished.
    {"control bytes in a line still coming", "GET /\x01\x02", 400},
    {"binary", QByteArray("\x00\xff\xfe\x00", 4), 400},
};

TEST(HttpRequestParser, RefusesWhatItCannotReadWithAClearStatus)
{
    for (const Refused& refused : RefusedRequests) {
        SCOPED_TRACE(refused.name);
        const ParsedRequest parsed = parseHttpRequest(refused.bytes, Small);
        EXPECT_EQ(parsed.state, State::Invalid);
        EXPECT_EQ(parsed.status, refused.status);
        EXPECT_FALSE(parsed.error.isEmpty());
    }
}

TEST(HttpRequestParser, WaitsForTheWholeBody)
{
    const QByteArray head = "POST /sai HTTP/1.0\r\nContent-Length: 4\r\n\r\n";
    EXPECT_EQ(parseHttpRequest(QByteArray(head + "abc")).state, State::Incomplete);
    EXPECT_EQ(parseHttpRequest(QByteArray(head + "abc")).awaitedBytes, head.size() + 4);
    EXPECT_EQ(parseHttpRequest(QByteArray(head + "abcd")).state, State::Complete);
    EXPECT_EQ(parseHttpRequest("GET /x HTTP/1.0\r\nA: 1\r\n").state, State::Incomplete);
}

// Feeds the bytes in pieces of `piece`; the first answer that is not Incomplete, and how many
// appends it took.
std::pair<ParsedRequest, qsizetype> fed(RequestBuffer& buffer, QByteArrayView bytes,
                                        qsizetype piece)
{
    qsizetype appends = 0;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        ++appends;
        ParsedRequest parsed = buffer.append(bytes.sliced(at, std::min(piece, bytes.size() - at)));
        if (parsed.state != State::Incomplete)
            return {parsed, appends};
    }
    return {buffer.parse(), appends};
}

TEST(RequestBuffer, PiecesAmountToWhatTheWholeDoesAsSoonAsTheyCan)
{
    for (const qsizetype piece : {1, 2, 5, 4096}) {
        SCOPED_TRACE(piece);
        for (const Whole& whole : WholeRequests) {
            SCOPED_TRACE(whole.name);
            RequestBuffer buffer;
            const auto [parsed, appends] = fed(buffer, whole.bytes, piece);
            ASSERT_EQ(parsed.state, State::Complete) << parsed.error.toStdString();
            EXPECT_EQ(parsed.request.path, whole.path);
            EXPECT_EQ(parsed.request.body, whole.body);
            // Complete with the piece that completes it, not later.
            qsizetype completeAt = 1;
            while (parseHttpRequest(whole.bytes.first(completeAt)).state != State::Complete)
                ++completeAt;
            EXPECT_LT((appends - 1) * piece, completeAt);
        }
        for (const Refused& refused : RefusedRequests) {
            SCOPED_TRACE(refused.name);
            RequestBuffer buffer(Small);
            const ParsedRequest parsed = fed(buffer, refused.bytes, piece).first;
            EXPECT_EQ(parsed.state, State::Invalid);
            EXPECT_EQ(parsed.status, refused.status);
        }
    }
}

TEST(RequestBuffer, ARequestTricklingInAByteAtATimeIsParsedAFewTimes)
{
    const QByteArray longQuery =
        "GET /translate_a/t?text=" + QByteArray(100000, 'a') + " HTTP/1.0\r\nHost: h\r\n\r\n";
    const QByteArray longBody =
        "\r\n\r\nPOST /sai HTTP/1.0\r\nContent-Length: 100000\r\n\r\n" + QByteArray(100000, 'b');
    for (const QByteArray& bytes : {longQuery, longBody}) {
        RequestBuffer buffer;
        ASSERT_EQ(fed(buffer, bytes, 1).first.state, State::Complete);
        // Once per doubling of the bytes, the end of the head and the end of the body.
        EXPECT_LE(buffer.parses(), 24);
    }
}

} // namespace
} // namespace verbalink::gateway
