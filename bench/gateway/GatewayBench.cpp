// The gateway with its Apertium pipelines warm, in-process, reached over loopback HTTP the way
// the engines reach it: one fresh connection per request. Latencies per request are collected
// and reported as the counters p50_ms and p99_ms.
#include "LoopbackExchange.h"
#include "gateway/ApertiumModes.h"
#include "gateway/ApertiumTranslator.h"
#include "gateway/GatewayLog.h"
#include "gateway/GatewayServer.h"
#include "gateway/RequestHandler.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
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
    }
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

// The pipeline alone, without HTTP: English to Spanish.
void BM_WarmPipeline(benchmark::State& state)
{
    ApertiumTranslator& translator = warmGateway().translator();
    const QString sentence = QStringLiteral("Hello, how are you?");
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(translator.translate(sentence, "eng", "spa"));
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_WarmPipeline)->UseRealTime()->Unit(benchmark::kMillisecond);

// A whole request as Google's engine makes it, English to Spanish with the source detected.
void BM_GatewayRequest(benchmark::State& state)
{
    const WarmGateway& gateway = warmGateway();
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(gateway.exchange(Directions[0].request));
        latencies.push_back(millisecondsSince(start));
    }
    reportPercentiles(state, latencies);
}
BENCHMARK(BM_GatewayRequest)->UseRealTime()->Unit(benchmark::kMillisecond);

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
