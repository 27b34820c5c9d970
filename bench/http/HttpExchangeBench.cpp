// Exchanges per second against a loopback server that answers and closes: HttpConnection next to
// the plainest blocking-socket client, so the cost of the client's own waiting shows up.

#include "platform/MessageBoxPort.h"
#include "translate/net/HttpConnection.h"

#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray Answer =
    "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + QByteArray(512, 'x');

class NoBoxes final : public verbalink::MessageBoxPort {
public:
    void showMessage(const QString&, const QString&, Icon) override {}
    bool askYesNo(const QString&, const QString&, Icon) override { return false; }
};

// Reads a request head, answers and closes; one connection at a time.
class AnsweringServer {
public:
    AnsweringServer()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_fd, 64);
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~AnsweringServer()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_fd);
    }
    quint16 port() const { return m_port; }

private:
    void serve()
    {
        while (!m_stop) {
            pollfd entry{m_fd, POLLIN, 0};
            if (::poll(&entry, 1, 20) <= 0)
                continue;
            const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            QByteArray head;
            char chunk[2048];
            while (!head.contains("\r\n\r\n")) {
                const ssize_t n = ::recv(client, chunk, sizeof chunk, 0);
                if (n <= 0)
                    break;
                head.append(chunk, n);
            }
            ::send(client, Answer.constData(), size_t(Answer.size()), MSG_NOSIGNAL);
            ::close(client);
        }
    }

    int m_fd = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

QByteArray requestFor(quint16 port)
{
    const QByteArray host = "127.0.0.1:" + QByteArray::number(port);
    return "GET /t HTTP/1.0\r\nHost: " + host + "\r\n\r\n";
}

void BM_HttpConnection(benchmark::State& state)
{
    AnsweringServer server;
    NoBoxes boxes;
    verbalink::HttpConnection connection(boxes);
    connection.setHost(QByteArray("127.0.0.1:").append(QByteArray::number(server.port())));
    connection.setTimeoutValue(5000);
    const QByteArray request = requestFor(server.port());
    QByteArray response;
    for (auto _ : state) {
        const int count = connection.exchange(request, response, 100000);
        if (count != Answer.size())
            state.SkipWithError("short answer");
        benchmark::DoNotOptimize(response.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// Connect, send, read until the peer closes: no budget, no polling.
void BM_BlockingBaseline(benchmark::State& state)
{
    AnsweringServer server;
    const QByteArray request = requestFor(server.port());
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(server.port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QByteArray response(100001, '\0');
    for (auto _ : state) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
        qsizetype received = 0;
        for (ssize_t n = 1; n > 0 && received<100000; received += n> 0 ? n : 0)
            n = ::recv(fd, response.data() + received, size_t(100000 - received), 0);
        ::close(fd);
        if (received != Answer.size())
            state.SkipWithError("short answer");
        benchmark::DoNotOptimize(response.data());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_HttpConnection)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_BlockingBaseline)->MinTime(1.0)->UseRealTime();

} // namespace
