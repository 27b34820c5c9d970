// The gateway with its Apertium pipelines warm, in-process, reached over loopback HTTP the way
// the engines reach it: one fresh connection per request. Latencies per request are collected
// and reported as the counters p50_ms and p99_ms. Beside them: a route of two steps, the first
// request of a gateway started cold or with its pair warmed, requests while a thousand clients
// hold connections they never finish, and Apertium's own command line for the same sentence.
#include "LoopbackExchange.h"
#include "SlowClients.h"
#include "gateway/ApertiumModes.h"
#include "gateway/ApertiumTranslator.h"
#include "gateway/ChildProcess.h"
#include "gateway/GatewayLog.h"
#include "gateway/GatewayServer.h"
#include "gateway/RequestHandler.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>
#include <vector>

using namespace verbalink::gateway;

namespace {

using Clock = std::chrono::steady_clock;

// One short message per direction, as Google's engine would ask for it.
struct Direction {
    const char* from;
    const char* to;
    QByteArray request;
};

QByteArray googleRequest(const char* encodedText, const char* target)
{
    return QByteArray("GET /translate_a/t?client=o&text=") + encodedText + "&sl=auto&tl=" + target +
           " HTTP/1.0\r\nHost: 127.0.0.1\r\nAccept-Charset: utf-8;q=0.7,*;q=0.7\r\n\r\n";
}

const Direction Directions[] = {
    {"eng", "spa", googleRequest("Hello%2C%20how%20are%20you%3F", "es")},
    {"spa", "eng", googleRequest("Hola%2C%20%C2%BFc%C3%B3mo%20est%C3%A1s%3F", "en")},
    {"eng", "cat", googleRequest("Good%20morning%2C%20my%20friend.", "ca")},
    {"cat", "eng", googleRequest("Bon%20dia%2C%20com%20est%C3%A0s%3F", "en")},
    {"eng", "epo", googleRequest("The%20dog%20eats%20the%20apple.", "eo")},
    {"epo", "eng", googleRequest("Saluton%2C%20kiel%20vi%20fartas%3F", "en")},
    {"eng", "glg", googleRequest("The%20house%20is%20very%20big.", "gl")},
    {"glg", "eng", googleRequest("Ola%2C%20como%20est%C3%A1s%3F", "en")},
};

// English to French goes through Spanish.
const QByteArray TwoStepRequest = googleRequest("Hello%2C%20how%20are%20you%3F", "fr");

// The gateway the benchmarks share, every direction translated once so all are warm.
class WarmGateway {
public:
    WarmGateway()
    {
        QString error;
        if (!m_server.listen(0, &error))
            std::abort();
        for (const Direction& direction : Directions)
            exchange(direction.request);
        exchange(TwoStepRequest);
    }
    quint16 port() const { return m_server.port(); }
    QByteArray exchange(const QByteArray& request) const
    {
        return exchangeOnLoopback(m_server.port(), request);
    }
    ApertiumTranslator& translator() { return m_translator; }

private:
    GatewayLog m_log{nullptr};
    ApertiumTranslator m_translator{
        ApertiumModes::scan(QString::fromLatin1(ApertiumModes::DefaultFolder)), m_log};
    RequestHandler m_handler{m_translator};
    GatewayServer m_server{m_handler, m_log};
};

WarmGateway& warmGateway()
{
    static WarmGateway gateway;
    return gateway;
}

void reportPercentiles(benchmark::State& state, std::vector<double>& milliseconds)
{
    if (milliseconds.empty())
        return;
    std::sort(milliseconds.begin(), milliseconds.end());
    auto at = [&](double share) {
        return milliseconds[std::min(milliseconds.size() - 1,
                                     size_t(share * double(milliseconds.size())))];
    };
    state.counters["p50_ms"] = benchmark::Counter(at(0.50), benchmark::Counter::kAvgThreads);
    state.counters["p99_ms"] = benchmark::Counter(at(0.99), benchmark::Counter::kAvgThreads);
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void translateRepeatedly(benchmark::State& state, QByteArrayView to)
{
    ApertiumTranslator& translator = warmGateway().translator();
    const QString sentence = QStringLiteral("Hello, how are you?");
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(translator.translate(sentence, "eng", to));
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}

// The pipeline alone, without HTTP: English to Spanish.
void BM_WarmPipeline(benchmark::State& state)
{
    translateRepeatedly(state, "spa");
}
BENCHMARK(BM_WarmPipeline)->UseRealTime()->Unit(benchmark::kMillisecond);

// English to French: two pipelines one after the other.
void BM_TwoStepPipeline(benchmark::State& state)
{
    translateRepeatedly(state, "fra");
}
BENCHMARK(BM_TwoStepPipeline)->UseRealTime()->Unit(benchmark::kMillisecond);

void exchangeRepeatedly(benchmark::State& state, const QByteArray& request)
{
    const WarmGateway& gateway = warmGateway();
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(gateway.exchange(request));
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}

// A whole request as Google's engine makes it, English to Spanish with the source detected.
void BM_GatewayRequest(benchmark::State& state)
{
    exchangeRepeatedly(state, Directions[0].request);
}
BENCHMARK(BM_GatewayRequest)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same into French, through Spanish.
void BM_TwoStepRequest(benchmark::State& state)
{
    exchangeRepeatedly(state, TwoStepRequest);
}
BENCHMARK(BM_TwoStepRequest)->UseRealTime()->Unit(benchmark::kMillisecond);

// English to Spanish while that many clients hold a connection each, half of them silent and
// half with a request they never finish.
void BM_RequestBesideSlowClients(benchmark::State& state)
{
    const int slow = int(state.range(0));
    if (!SlowClients::allowOpenFiles(quint64(2 * slow + 256))) {
        state.SkipWithError("cannot open enough files");
        return;
    }
    const SlowClients silent(warmGateway().port(), slow / 2);
    const SlowClients unfinished(warmGateway().port(), slow - slow / 2,
                                 "GET /translate_a/t?client=o&text=Hello");
    exchangeRepeatedly(state, Directions[0].request);
}
// Within the five seconds the gateway gives an unfinished request.
BENCHMARK(BM_RequestBesideSlowClients)
    ->ArgName("slow_clients")
    ->Arg(0)
    ->Arg(1000)
    ->Iterations(500)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Requests a second apart, as chat messages come: the pipelines have been idle before each.
void BM_RequestAfterAPause(benchmark::State& state)
{
    const WarmGateway& gateway = warmGateway();
    std::vector<double> latencies;
    for (auto _ : state) {
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        state.ResumeTiming();
        const auto start = Clock::now();
        benchmark::DoNotOptimize(gateway.exchange(Directions[0].request));
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_RequestAfterAPause)
    ->ArgName("pause_ms")
    ->Arg(1000)
    ->Iterations(7)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The first request of a fresh gateway, its pipelines cold (started by that request) or started
// by --warm before it listens.
void BM_FirstRequest(benchmark::State& state)
{
    const bool warmed = state.range(0) == 1;
    std::vector<double> latencies;
    for (auto _ : state) {
        state.PauseTiming();
        {
            GatewayLog log(nullptr);
            ApertiumTranslator translator(
                ApertiumModes::scan(QString::fromLatin1(ApertiumModes::DefaultFolder)), log);
            RequestHandler handler(translator);
            GatewayServer server(handler, log);
            QString error;
            if (!server.listen(0, &error))
                std::abort();
            if (warmed)
                translator.warm({{"eng", "spa"}});

            state.ResumeTiming();
            const auto start = Clock::now();
            benchmark::DoNotOptimize(exchangeOnLoopback(server.port(), Directions[0].request));
            latencies.push_back(millisecondsSince(start));
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_FirstRequest)
    ->ArgName("warmed")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(7)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// What the gateway saves: Apertium's own command line, a process chain per sentence.
void BM_ApertiumCommandLine(benchmark::State& state)
{
    const QByteArray command =
        state.range(0) == 1 ? "echo 'Hello, how are you?' | apertium eng-spa | apertium es-fr"
                            : "echo 'Hello, how are you?' | apertium eng-spa";
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!ChildProcess::run({"/bin/sh", "-c", command}, 30000)) {
            state.SkipWithError("apertium failed");
            return;
        }
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_ApertiumCommandLine)
    ->ArgName("two_steps")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(7)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Eight clients at once, all English to Spanish (one pipeline, requests fed in order) or each
// on a direction of its own (eight pipelines side by side).
void BM_EightClients(benchmark::State& state)
{
    const WarmGateway& gateway = warmGateway();
    const bool ownDirection = state.range(0) == 1;
    const QByteArray& request =
        Directions[ownDirection ? size_t(state.thread_index()) % std::size(Directions) : 0].request;
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(gateway.exchange(request));
        latencies.push_back(millisecondsSince(start));
    }
    state.SetItemsProcessed(state.iterations());
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_EightClients)
    ->ArgName("own_direction")
    ->Arg(0)
    ->Arg(1)
    ->Threads(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
