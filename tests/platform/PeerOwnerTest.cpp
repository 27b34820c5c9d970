#include "platform/PeerOwner.h"

#include "OtherUserClient.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace verbalink {
namespace {

using peerowner::TcpEnds;
using test::OtherUserClient;

constexpr quint32 Loopback = 0x7f000001;

struct Source {
    const char* name;
    std::optional<uid_t> (*lookup)(const TcpEnds&);
};
const Source sources[] = {{"socket diagnostics", peerowner::fromSocketDiagnostics},
                          {"/proc/net/tcp", peerowner::fromProcNetTcp}};

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(Loopback);
    return address;
}

// A loopback listener on a free port, with the sockets it made closed at its end.
class Listener {
public:
    Listener()
    {
        const int fd = open(::socket(AF_INET, SOCK_STREAM, 0));
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
            ::listen(fd, 4) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~Listener()
    {
        for (const int fd : m_open)
            ::close(fd);
    }
    quint16 port() const { return m_port; }
    // Connects a client of this process.
    bool connectOwn()
    {
        const sockaddr_in address = loopback(m_port);
        return ::connect(open(::socket(AF_INET, SOCK_STREAM, 0)),
                         reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    int accept() { return open(::accept(m_open.front(), nullptr, nullptr)); }

private:
    int open(int fd) { return m_open.emplace_back(fd); }

    std::vector<int> m_open;
    quint16 m_port = 0;
};

// Every way of asking names this owner for the peer of an accepted connection.
void expectOwner(int accepted, quint16 localPort, uid_t owner)
{
    const std::optional<TcpEnds> ends = peerowner::endsOf(accepted);
    ASSERT_TRUE(ends);
    EXPECT_EQ(ends->localPort, localPort);
    EXPECT_EQ(ends->peerAddress, Loopback);
    for (const Source& source : sources) {
        SCOPED_TRACE(source.name);
        EXPECT_EQ(source.lookup(*ends), owner);
        // Nobody has a socket with port 0 at its end.
        TcpEnds unknown = *ends;
        unknown.peerPort = 0;
        EXPECT_FALSE(source.lookup(unknown));
    }
    EXPECT_EQ(peerowner::ofPeer(accepted), owner);
}

TEST(PeerOwnerTest, BothSourcesNameTheUserOfTheConnectingProcess)
{
    Listener listener;
    ASSERT_NE(listener.port(), 0);
    ASSERT_TRUE(listener.connectOwn());
    expectOwner(listener.accept(), listener.port(), ::geteuid());
    // A pipe has no peer to look up.
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    EXPECT_FALSE(peerowner::ofPeer(pipe[0]));
    ::close(pipe[0]);
    ::close(pipe[1]);

    if (const QString reason = OtherUserClient::unavailableReason(); !reason.isEmpty())
        GTEST_SKIP() << "another user's client: " << qPrintable(reason);
    OtherUserClient other;
    ASSERT_TRUE(other.connectTo(listener.port()));
    ASSERT_NE(other.uid(), ::geteuid());
    expectOwner(listener.accept(), listener.port(), other.uid());
}

TEST(PeerOwnerTest, ProcTableFindsOnlyThePeersOwnLine)
{
    // 127.0.0.1:40000 connected to our 127.0.0.1:8080.
    const TcpEnds ends{Loopback, 40000, Loopback, 8080};
    const QByteArray header = "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when "
                              "retrnsmt   uid  timeout inode\n";
    struct Case {
        const char* name;
        QByteArray lines;
        std::optional<uid_t> owner;
    };
    const Case cases[] = {
        {"the peer's line",
         "   0: 0100007F:1F90 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0 0 1\n"
         "   1: 0100007F:1F90 0100007F:9C40 01 00000000:00000000 00:00000000 00000000     0 0 2\n"
         "   2: 0100007F:9C40 0100007F:1F90 01 00000000:00000000 00:00000000 00000000  1000 0 3\n",
         1000},
        {"only our own end", "   1: 0100007F:1F90 0100007F:9C40 01 0:0 00:0 0     0 0 2\n",
         std::nullopt},
        {"another address", "   2: 0200007F:9C40 0100007F:1F90 01 0:0 00:0 0  1000 0 3\n",
         std::nullopt},
        {"cut short", "   2: 0100007F:9C40 0100007F:1F90 01 0:0\n", std::nullopt},
        {"uid not a number", "   2: 0100007F:9C40 0100007F:1F90 01 0:0 00:0 0  x 0 3\n",
         std::nullopt},
        {"no colon", "   2: 0100007F9C40 0100007F:1F90 01 0:0 00:0 0  1000 0 3\n", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(peerowner::fromProcTable(ends, QByteArray(header + c.lines)), c.owner);
    }
}

} // namespace
} // namespace verbalink
