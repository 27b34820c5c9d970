#include "audio/CallAudioServer.h"

#include "LoopbackWait.h"
#include "OtherUserClient.h"
#include "translate/net/TcpSocket.h"

#include <QDir>
#include <QStringList>
#include <arpa/inet.h>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <list>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace verbalink {
namespace {

using test::eventually;
using test::Loopback;
using test::OtherUserClient;

// Another program's socket listening on a loopback port.
struct PortBlocker {
    explicit PortBlocker(quint16 port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(Loopback);
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        // Past the last run's closed connections; a listening socket still keeps others out.
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(fd, 1) == 0;
    }
    ~PortBlocker() { ::close(fd); }
    int fd = -1;
    bool bound = false;
};

QByteArray readAll(TcpSocket& client, qsizetype size)
{
    QByteArray got;
    char buffer[4096];
    while (got.size() < size && client.waitReadable(5000) == 1) {
        const qsizetype n = client.read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.append(buffer, n);
    }
    return got;
}

bool closedByServer(TcpSocket& client)
{
    char byte = 0;
    return client.waitReadable(5000) == 1 && client.read(&byte, 1) <= 0;
}

QByteArray audio(qsizetype size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) % 251);
    return bytes;
}

std::shared_ptr<CallAudioConnection> startWithOneClient(CallAudioServer& server, TcpSocket& client)
{
    if (!server.start() || !client.connectTo(Loopback, server.port()) ||
        !eventually([&] { return server.connections().size() == 1; }))
        return nullptr;
    return server.connections().front();
}

// The server's side of a connection to this port: the server runs in this process, so it is
// one of our own descriptors, the one bound to the port with a peer.
int acceptedSocket(quint16 port)
{
    for (const QString& name : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files)) {
        const int fd = name.toInt();
        sockaddr_in local{}, peer{};
        socklen_t localLength = sizeof local, peerLength = sizeof peer;
        if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) == 0 &&
            local.sin_family == AF_INET && ntohs(local.sin_port) == port &&
            ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0)
            return fd;
    }
    return -1;
}

// The first run of ports from the real base port up that nobody holds now: a program under test
// elsewhere on the machine may hold the real ones.
quint16 freeWalk()
{
    for (quint16 base = CallAudioServer::CaptureBasePort; base < 60000; base += 1000) {
        std::list<PortBlocker> probe;
        bool free = true;
        for (int i = 0; i <= CallAudioServer::PortAttempts && free; ++i)
            free = probe.emplace_back(quint16(base + i)).bound;
        if (free)
            return base;
    }
    return 0;
}

TEST(CallAudioServerTest, WalksPastTakenPortsAndReportsThePortInForce)
{
    const quint16 base = freeWalk();
    ASSERT_NE(base, 0);
    {
        PortBlocker taken(base);
        ASSERT_TRUE(taken.bound);
        CallAudioServer server(CallAudioServer::Role::Capture, base);
        ASSERT_TRUE(server.start());
        EXPECT_EQ(server.port(), base + 1);
        TcpSocket client;
        EXPECT_TRUE(client.connectTo(Loopback, server.port()));
    }
    std::list<PortBlocker> all;
    for (int i = 0; i < CallAudioServer::PortAttempts; ++i)
        ASSERT_TRUE(all.emplace_back(quint16(base + i)).bound);
    CallAudioServer server(CallAudioServer::Role::Capture, base);
    EXPECT_FALSE(server.start());
    EXPECT_FALSE(server.isListening());
    EXPECT_EQ(server.port(), base + CallAudioServer::PortAttempts - 1);
}

TEST(CallAudioServerTest, CaptureKeepsEachClientsBytesInOrderAcrossADepartedMiddleOne)
{
    CallAudioServer server(CallAudioServer::Role::Capture, 0);
    ASSERT_TRUE(server.start());
    std::list<TcpSocket> clients(4);
    for (TcpSocket& client : clients) {
        // Accepted one by one, so the table's order is the order of connecting.
        const size_t expected = server.connections().size() + 1;
        ASSERT_TRUE(client.connectTo(Loopback, server.port()));
        ASSERT_TRUE(eventually([&] { return server.connections().size() == expected; }));
    }
    const auto before = server.connections();
    std::next(clients.begin())->close();
    ASSERT_TRUE(eventually([&] { return server.connections().size() == 3; }));
    EXPECT_FALSE(before[1]->isOpen());
    const auto live = server.connections();
    EXPECT_EQ(live, decltype(live)({before[0], before[2], before[3]}));

    const QByteArray first = audio(70000, 1), last = audio(30000, 2);
    for (qsizetype at = 0; at < first.size(); at += 6400)
        ASSERT_TRUE(clients.front().send(first.mid(at, 6400)));
    ASSERT_TRUE(clients.back().send(last));
    ASSERT_TRUE(eventually([&] { return live[0]->held() == first.size(); }));
    ASSERT_TRUE(eventually([&] { return live[2]->held() == last.size(); }));
    EXPECT_EQ(live[0]->take(), first);
    EXPECT_EQ(live[2]->take(), last);
}

TEST(CallAudioServerTest, InputSendsQueuedBytesToItsClient)
{
    CallAudioServer server(CallAudioServer::Role::Input, 0);
    TcpSocket client;
    const auto connection = startWithOneClient(server, client);
    ASSERT_TRUE(connection);
    // More than one socket buffer's worth, queued in pieces while earlier ones go out.
    for (int piece = 0; piece < 8; ++piece) {
        const QByteArray bytes = audio(64000, piece);
        ASSERT_TRUE(eventually([&] { return connection->held() == 0; }));
        EXPECT_EQ(connection->append(bytes), bytes.size());
        EXPECT_EQ(readAll(client, bytes.size()), bytes);
    }
    client.close();
    ASSERT_TRUE(eventually([&] { return server.connections().empty(); }));
    EXPECT_FALSE(connection->isOpen());
}

TEST(CallAudioServerTest, InputConnectionsSendSmallWritesAtOnce)
{
    CallAudioServer server(CallAudioServer::Role::Input, 0);
    TcpSocket client;
    ASSERT_TRUE(startWithOneClient(server, client));
    const int accepted = acceptedSocket(server.port());
    ASSERT_GE(accepted, 0);
    int noDelay = 0;
    socklen_t length = sizeof noDelay;
    ASSERT_EQ(::getsockopt(accepted, IPPROTO_TCP, TCP_NODELAY, &noDelay, &length), 0);
    EXPECT_NE(noDelay, 0);
}

TEST(CallAudioServerTest, AnotherUsersClientIsRefusedWithOneLogLine)
{
    if (const QString reason = OtherUserClient::unavailableReason(); !reason.isEmpty())
        GTEST_SKIP() << qPrintable(reason);
    for (const auto role : {CallAudioServer::Role::Capture, CallAudioServer::Role::Input}) {
        SCOPED_TRACE(role == CallAudioServer::Role::Capture ? "capture" : "input");
        CallAudioServer server(role, 0);
        std::mutex lock;
        QStringList lines;
        server.setLog([&](const QString& line) {
            std::lock_guard guard(lock);
            lines << line;
        });
        ASSERT_TRUE(server.start());
        OtherUserClient other;
        ASSERT_TRUE(other.connectTo(server.port()));
        EXPECT_EQ(other.next(), OtherUserClient::Event::ClosedByServer);
        EXPECT_TRUE(server.connections().empty());
        {
            std::lock_guard guard(lock);
            ASSERT_EQ(lines.size(), 1);
            EXPECT_TRUE(lines.front().contains(u"user " + QString::number(other.uid())))
                << qPrintable(lines.front());
        }
        // The user's own processes are served as before.
        TcpSocket own;
        ASSERT_TRUE(own.connectTo(Loopback, server.port()));
        EXPECT_TRUE(eventually([&] { return server.connections().size() == 1; }));
    }
}

TEST(CallAudioServerTest, ANinthClientIsClosedAtOnceAndTheEightKeepWorking)
{
    CallAudioServer server(CallAudioServer::Role::Capture, 0);
    ASSERT_TRUE(server.start());
    std::list<TcpSocket> clients(CallAudioServer::MaxConnections);
    for (TcpSocket& client : clients)
        ASSERT_TRUE(client.connectTo(Loopback, server.port()));
    ASSERT_TRUE(eventually(
        [&] { return server.connections().size() == size_t(CallAudioServer::MaxConnections); }));
    TcpSocket ninth;
    ASSERT_TRUE(ninth.connectTo(Loopback, server.port()));
    EXPECT_TRUE(closedByServer(ninth));
    EXPECT_EQ(server.connections().size(), size_t(CallAudioServer::MaxConnections));
    ASSERT_TRUE(clients.back().send("last"));
    const auto last = server.connections().back();
    ASSERT_TRUE(eventually([&] { return last->held() == 4; }));

    // Once one leaves, a newcomer gets its place at the end of the table.
    clients.front().close();
    ASSERT_TRUE(eventually([&] { return server.connections().size() == 7; }));
    TcpSocket late;
    ASSERT_TRUE(late.connectTo(Loopback, server.port()));
    ASSERT_TRUE(eventually([&] { return server.connections().size() == 8; }));
    ASSERT_TRUE(late.send("late"));
    ASSERT_TRUE(eventually([&] { return server.connections().back()->take() == "late"; }));
}

TEST(CallAudioServerTest, StopClosesTheConnectionsAndTheyStayUsable)
{
    CallAudioServer server(CallAudioServer::Role::Input, 0);
    TcpSocket client;
    const auto connection = startWithOneClient(server, client);
    ASSERT_TRUE(connection);
    server.stop();
    EXPECT_FALSE(server.isListening());
    EXPECT_TRUE(closedByServer(client));
    EXPECT_FALSE(connection->isOpen());
    EXPECT_EQ(connection->append("after"), 5) << "the engine may still hold it";
    EXPECT_TRUE(server.start()) << "a stopped server starts again";
}

} // namespace
} // namespace verbalink
