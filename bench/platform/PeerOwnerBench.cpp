// The owner lookup of an accepted loopback connection, both ways, against reading the
// connection's two addresses alone (which every lookup does first).
#include "platform/PeerOwner.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace verbalink;

namespace {

// One accepted loopback connection, open for the whole benchmark.
class Connection {
public:
    Connection()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), length);
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_client = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(m_client, reinterpret_cast<const sockaddr*>(&address), length);
        m_accepted = ::accept(m_listener, nullptr, nullptr);
    }
    ~Connection()
    {
        for (const int fd : {m_accepted, m_client, m_listener})
            ::close(fd);
    }
    int accepted() const { return m_accepted; }

private:
    int m_listener = -1;
    int m_client = -1;
    int m_accepted = -1;
};

void BM_EndsOnly(benchmark::State& state)
{
    const Connection connection;
    for (auto _ : state)
        benchmark::DoNotOptimize(peerowner::endsOf(connection.accepted()));
}
BENCHMARK(BM_EndsOnly);

void BM_SocketDiagnostics(benchmark::State& state)
{
    const Connection connection;
    const peerowner::TcpEnds ends = *peerowner::endsOf(connection.accepted());
    for (auto _ : state)
        benchmark::DoNotOptimize(peerowner::fromSocketDiagnostics(ends));
}
BENCHMARK(BM_SocketDiagnostics);

// The fallback reads the whole table, so its cost grows with the machine's connections.
void BM_ProcNetTcp(benchmark::State& state)
{
    const Connection connection;
    const peerowner::TcpEnds ends = *peerowner::endsOf(connection.accepted());
    for (auto _ : state)
        benchmark::DoNotOptimize(peerowner::fromProcNetTcp(ends));
}
BENCHMARK(BM_ProcNetTcp);

} // namespace
