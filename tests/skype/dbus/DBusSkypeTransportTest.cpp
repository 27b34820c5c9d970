// The D-Bus adapter against the real simulator process, each test on a bus of its own.

#include "skype/dbus/DBusSkypeTransport.h"

#include "EventWait.h"
#include "PrivateBus.h"
#include "SimProcess.h"
#include "skype/dbus/SkypeDBusNames.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <signal.h>
#include <thread>

using namespace Qt::StringLiterals;
using namespace verbalink;
using verbalink::testing::PrivateBus;
using verbalink::testing::SimProcess;
using verbalink::testing::waitUntil;

namespace {

struct AttachEvent {
    QString from;
    int status;
};

struct LineEvent {
    QString from;
    QByteArray bytes;
    bool onMainThread;
};

void pumpEvents(int ms)
{
    waitUntil([] { return false; }, ms);
}

class DBusSkypeTransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
    }

    std::unique_ptr<DBusSkypeTransport> makeTransport()
    {
        const QDBusConnection connection = m_bus.connect();
        m_clientName = connection.baseService();
        auto transport = std::make_unique<DBusSkypeTransport>(connection);
        SkypeTransport::Handlers handlers;
        handlers.attach = [this](const SkypeEndpoint& from, int status) {
            m_attaches.append({from, status});
        };
        handlers.received = [this](const SkypeEndpoint& from, const QByteArray& bytes) {
            m_lines.append({from, bytes, QThread::currentThread() == qApp->thread()});
        };
        transport->setHandlers(std::move(handlers));
        return transport;
    }

    std::unique_ptr<SimProcess> startSim(const QStringList& arguments = {})
    {
        auto sim = std::make_unique<SimProcess>(m_bus.address());
        QString error;
        EXPECT_TRUE(sim->start(arguments, error)) << qPrintable(error);
        return sim;
    }

    // The first attach status other than "API available" (which only a new owner causes).
    std::optional<AttachEvent> waitForAnswer(int timeoutMs = 10000)
    {
        std::optional<AttachEvent> found;
        waitUntil(
            [&] {
                for (const AttachEvent& event : std::as_const(m_attaches)) {
                    if (event.status != AttachApiAvailable) {
                        found = event;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return found;
    }

    void attach(DBusSkypeTransport& transport, const SimProcess& sim)
    {
        ASSERT_TRUE(transport.postDiscover());
        const std::optional<AttachEvent> answer = waitForAnswer();
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->from, sim.uniqueName());
        ASSERT_EQ(answer->status, AttachSuccess);
    }

    bool waitForLine(const QByteArray& bytes, int timeoutMs = 10000)
    {
        return waitUntil(
            [&] {
                for (const LineEvent& line : std::as_const(m_lines)) {
                    if (line.bytes == bytes)
                        return true;
                }
                return false;
            },
            timeoutMs);
    }

    PrivateBus m_bus;
    QList<AttachEvent> m_attaches;
    QList<LineEvent> m_lines;
    // The unique name of the last transport's connection.
    QString m_clientName;
};

TEST_F(DBusSkypeTransportTest, DiscoveryMapsTheNameAnswerToAnAttachStatus)
{
    struct Case {
        QStringList simArguments;
        int status;
    };
    const Case cases[] = {
        {{}, AttachSuccess},
        {{u"--refuse"_s}, AttachRefused},
        {{u"--offline"_s}, AttachNotAvailable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simArguments.join(u' ').toStdString());
        m_attaches.clear();
        auto sim = startSim(c.simArguments);
        auto transport = makeTransport();
        ASSERT_TRUE(transport->isConnected());
        ASSERT_TRUE(transport->postDiscover());
        const std::optional<AttachEvent> answer = waitForAnswer();
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->from, sim->uniqueName());
        EXPECT_EQ(answer->status, c.status);
        // A prompt answer is never preceded or followed by "pending authorization".
        pumpEvents(1300);
        EXPECT_EQ(m_attaches.size(), 1);
    }
}

TEST_F(DBusSkypeTransportTest, ScriptFileIsAppliedBeforeTheFirstCommand)
{
    QTemporaryDir dir;
    QFile script(dir.filePath(u"refuse.sim"_s));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    // A bad line is reported and skipped; the lines after it still count.
    script.write("# the user says no\nrefuse loudly\nrefuse\n");
    script.close();
    auto sim = startSim({u"--script"_s, script.fileName()});
    auto transport = makeTransport();
    ASSERT_TRUE(transport->postDiscover());
    const std::optional<AttachEvent> answer = waitForAnswer();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, AttachRefused);
}

TEST_F(DBusSkypeTransportTest, QuitReleasesTheNameForTheNextClient)
{
    auto first = startSim();
    SimProcess rival(m_bus.address());
    QString error;
    EXPECT_FALSE(rival.start({}, error));

    auto transport = makeTransport();
    first->directive(u"quit"_s);
    ASSERT_TRUE(first->waitForExit(10000));
    auto second = startSim();
    ASSERT_TRUE(waitUntil([&] { return !m_attaches.isEmpty(); }));
    EXPECT_EQ(m_attaches.at(0).from, second->uniqueName());
    EXPECT_EQ(m_attaches.at(0).status, AttachApiAvailable);
}

TEST_F(DBusSkypeTransportTest, SlowNameAnswerIsPendingAuthorizationFirst)
{
    auto sim = startSim({u"--pending"_s, u"1500"_s});
    auto transport = makeTransport();
    ASSERT_TRUE(transport->postDiscover());
    ASSERT_TRUE(waitUntil([&] { return m_attaches.size() >= 2; }));
    EXPECT_EQ(m_attaches.at(0).from, sim->uniqueName());
    EXPECT_EQ(m_attaches.at(0).status, AttachPendingAuthorization);
    EXPECT_EQ(m_attaches.at(1).from, sim->uniqueName());
    EXPECT_EQ(m_attaches.at(1).status, AttachSuccess);
}

TEST_F(DBusSkypeTransportTest, NobodyOwningTheApiAnswersNothing)
{
    auto transport = makeTransport();
    EXPECT_TRUE(transport->postDiscover());
    pumpEvents(1500);
    EXPECT_TRUE(m_attaches.isEmpty());
}

TEST_F(DBusSkypeTransportTest, ClientStartedLaterAnnouncesTheApi)
{
    auto transport = makeTransport();
    auto sim = startSim();
    ASSERT_TRUE(waitUntil([&] { return !m_attaches.isEmpty(); }));
    EXPECT_EQ(m_attaches.at(0).from, sim->uniqueName());
    EXPECT_EQ(m_attaches.at(0).status, AttachApiAvailable);
}

TEST_F(DBusSkypeTransportTest, WithoutABusNothingCanBePostedOrSent)
{
    const QDBusConnection noBus =
        QDBusConnection::connectToBus(u"unix:path=/nonexistent/verbalink-no-bus"_s, u"no-bus"_s);
    DBusSkypeTransport transport(noBus);
    EXPECT_FALSE(transport.isConnected());
    EXPECT_FALSE(transport.postDiscover());
    EXPECT_EQ(transport.send(u":1.1"_s, "PING").outcome, SendResult::Failed);
    QDBusConnection::disconnectFromBus(u"no-bus"_s);
}

TEST_F(DBusSkypeTransportTest, RepliesArriveLaterAsLinesFromTheEndpoint)
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath(u"commands.log"_s);
    auto sim = startSim({u"--handle"_s, u"zoë"_s, u"--log"_s, logPath});
    auto transport = makeTransport();
    attach(*transport, *sim);

    EXPECT_EQ(transport->send(sim->uniqueName(), "PING").outcome, SendResult::Delivered);
    // Never delivered re-entrantly inside send().
    EXPECT_TRUE(m_lines.isEmpty());
    ASSERT_TRUE(waitForLine("PONG"));
    EXPECT_EQ(m_lines.at(0).from, sim->uniqueName());

    // From another thread, with UTF-8 text both ways.
    bool sent = false;
    std::thread worker([&] {
        sent = transport->send(sim->uniqueName(), "GET CURRENTUSERHANDLE").delivered();
        transport->send(sim->uniqueName(), "CHATMESSAGE #zoë/$bob;1 Grüße");
    });
    worker.join();
    EXPECT_TRUE(sent);
    ASSERT_TRUE(waitForLine("CURRENTUSERHANDLE zo\xc3\xab"));
    for (const LineEvent& line : std::as_const(m_lines))
        EXPECT_TRUE(line.onMainThread);

    // An empty command is delivered without being sent; an empty endpoint is no one.
    EXPECT_EQ(transport->send(sim->uniqueName(), QByteArray()).outcome, SendResult::Delivered);
    EXPECT_EQ(transport->send(QString(), "PING").outcome, SendResult::Failed);

    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), QByteArray("NAME Verbalink\nPING\nGET CURRENTUSERHANDLE\n"
                                        "CHATMESSAGE #zo\xc3\xab/$bob;1 Gr\xc3\xbc\xc3\x9f"
                                        "e\n"));
}

TEST_F(DBusSkypeTransportTest, NotificationsArriveAsLines)
{
    auto sim = startSim();
    auto transport = makeTransport();
    attach(*transport, *sim);

    sim->directive(u"notify CHATMESSAGE 7 BODY a,  b"_s);
    ASSERT_TRUE(waitForLine("CHATMESSAGE 7 BODY a,  b"));
    EXPECT_EQ(m_lines.last().from, sim->uniqueName());

    // Any caller of Notify is heard, under its own unique name; the link decides whom to
    // believe.
    QDBusConnection stranger = m_bus.connect();
    QDBusMessage notify =
        QDBusMessage::createMethodCall(m_clientName, skypedbus::clientPath(),
                                       skypedbus::clientInterface(), skypedbus::notifyMethod());
    notify << u"PONG"_s;
    ASSERT_TRUE(stranger.send(notify));
    ASSERT_TRUE(waitForLine("PONG"));
    EXPECT_EQ(m_lines.last().from, stranger.baseService());
}

TEST_F(DBusSkypeTransportTest, SilentPingLeavesTheSendDeliveredButUnanswered)
{
    auto sim = startSim();
    auto transport = makeTransport();
    attach(*transport, *sim);

    // Directives run in order, so the marker proves the previous one took effect.
    sim->directive(u"silent-ping on"_s);
    sim->directive(u"notify MARK 1"_s);
    ASSERT_TRUE(waitForLine("MARK 1"));
    EXPECT_EQ(transport->send(sim->uniqueName(), "PING").outcome, SendResult::Delivered);
    pumpEvents(500);
    EXPECT_FALSE(waitForLine("PONG", 0));

    sim->directive(u"silent-ping off"_s);
    sim->directive(u"notify MARK 2"_s);
    ASSERT_TRUE(waitForLine("MARK 2"));
    EXPECT_EQ(transport->send(sim->uniqueName(), "PING").outcome, SendResult::Delivered);
    EXPECT_TRUE(waitForLine("PONG"));
}

TEST_F(DBusSkypeTransportTest, AnErrorFromTheClientIsADeliveryWithoutAReplyLine)
{
    auto sim = startSim();
    auto transport = makeTransport();
    attach(*transport, *sim);

    sim->directive(u"dbus-error"_s);
    sim->directive(u"notify MARK 1"_s);
    ASSERT_TRUE(waitForLine("MARK 1"));
    const SendResult result = transport->send(sim->uniqueName(), "PING");
    EXPECT_EQ(result.outcome, SendResult::DeliveredWithError);
    EXPECT_TRUE(result.error.startsWith(u"org.freedesktop.DBus.Error.Failed: "_s))
        << qPrintable(result.error);
    pumpEvents(500);
    EXPECT_FALSE(waitForLine("PONG", 0));
    // Only the one command.
    EXPECT_EQ(transport->send(sim->uniqueName(), "PING").outcome, SendResult::Delivered);
    EXPECT_TRUE(waitForLine("PONG"));
}

TEST_F(DBusSkypeTransportTest, SendToAVanishedClientFails)
{
    auto sim = startSim();
    auto transport = makeTransport();
    attach(*transport, *sim);
    const QString endpoint = sim->uniqueName();

    sim->directive(u"vanish"_s);
    ASSERT_TRUE(sim->waitForExit(10000));
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(transport->send(endpoint, "PING").outcome, SendResult::Failed);
    EXPECT_LT(elapsed.elapsed(), 10000);
}

TEST_F(DBusSkypeTransportTest, SendToAHungClientGivesUpAfterItsTimeLimitAsAStall)
{
    auto sim = startSim();
    auto transport = makeTransport();
    attach(*transport, *sim);

    ASSERT_EQ(::kill(pid_t(sim->pid()), SIGSTOP), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    // Still the owner of the name: stalled, not gone.
    EXPECT_EQ(transport->send(sim->uniqueName(), "PING").outcome, SendResult::Stalled);
    EXPECT_GE(elapsed.elapsed(), DBusSkypeTransport::SendTimeoutMs - 500);
    EXPECT_LT(elapsed.elapsed(), 10000);

    // A hung owner is a client whose user has not decided yet.
    m_attaches.clear();
    ASSERT_TRUE(transport->postDiscover());
    ASSERT_TRUE(waitUntil([&] { return !m_attaches.isEmpty(); }));
    EXPECT_EQ(m_attaches.at(0).from, sim->uniqueName());
    EXPECT_EQ(m_attaches.at(0).status, AttachPendingAuthorization);
    ::kill(pid_t(sim->pid()), SIGCONT);
}

} // namespace
