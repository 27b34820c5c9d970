#include "HttpReceiveFuzzDriver.h"

#include "ScriptedStream.h"
#include "translate/net/ExchangeDialogue.h"

namespace verbalink::fuzz {

namespace {

using Event = ScriptedStream::Event;

struct Outcome {
    int count = 0;
    QByteArray bytes;
    bool failed = false;
};

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

// How long a silence between two chunks may last before the answer counts as complete.
int patienceMs(bool singleRead, bool anyReceived, int budget)
{
    if (singleRead && anyReceived)
        return budget >= 2 ? 70 : 20;
    return 20 * budget;
}

// The receive rules read declaratively: what the answer must be for this script.
Outcome expectedOutcome(const QList<Event>& script, qsizetype capacity, bool singleRead,
                        int timeoutValue)
{
    Outcome outcome;
    const int budget = timeoutValue / 10;
    if (capacity <= 0 || budget <= 0)
        return outcome;
    qint64 quietMs = 0;
    for (const Event& event : script) {
        if (event.kind == Event::Quiet) {
            quietMs += event.quietMs;
            continue;
        }
        if (quietMs > patienceMs(singleRead, !outcome.bytes.isEmpty(), budget))
            break;
        quietMs = 0;
        if (event.kind == Event::End)
            break;
        if (event.kind == Event::Error) {
            outcome.failed = true;
            if (outcome.bytes.isEmpty())
                outcome.count = -1;
            return outcome;
        }
        outcome.bytes +=
            event.bytes.first(qMin(event.bytes.size(), capacity - outcome.bytes.size()));
        outcome.count = int(outcome.bytes.size());
        if (outcome.bytes.size() == capacity)
            break;
    }
    return outcome;
}

qsizetype capacityOf(unsigned char selector)
{
    return selector >= 0xF0 ? 100000 : qsizetype(selector) * 5;
}

int timeoutValueOf(unsigned char mode)
{
    return (mode >> 1) == 127 ? 5000 : (mode >> 1) * 10;
}

} // namespace

QString driveHttpReceive(QByteArrayView input)
{
    if (input.size() < 2)
        return {};
    const qsizetype capacity = capacityOf(static_cast<unsigned char>(input[0]));
    ExchangeDialogue::Route route;
    route.singleRead = (input[1] & 1) != 0;
    route.timeoutValue = timeoutValueOf(static_cast<unsigned char>(input[1]));
    const QList<Event> script = ScriptedStream::parseScript(input.sliced(2));

    ScriptedStream stream(script);
    const QByteArray request = "GET http://127.0.0.1/t HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    QByteArray response;
    const ExchangeDialogue::Outcome got =
        ExchangeDialogue::run(stream, route, request, response, capacity);
    const Outcome expected =
        expectedOutcome(script, capacity, route.singleRead, route.timeoutValue);

    if (stream.sent() != request)
        return fail("the request did not go out whole");
    if (got.count > capacity || response.size() > capacity)
        return fail("more than the capacity");
    if (!stream.delivered().startsWith(response))
        return fail("the answer is not what the peer sent");
    if (got.count != expected.count || response != expected.bytes)
        return fail("the answer differs from what came within the budget");
    if (expected.failed == stream.isOpen())
        return fail("a failed read must close the connection, and only that");
    if (got.proxyRefused)
        return fail("a direct exchange reported a proxy refusal");
    const qint64 events = std::count_if(script.begin(), script.end(),
                                        [](const Event& e) { return e.kind != Event::Quiet; });
    if (stream.waitedMs() > (events + 1) * (20 * qint64(route.timeoutValue / 10) + 50))
        return fail("waited longer than the budget");
    return {};
}

} // namespace verbalink::fuzz
