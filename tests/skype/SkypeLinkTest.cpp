#include "SkypeFixture.h"
#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");
const SkypeEndpoint Other = QStringLiteral(":1.77");

const QStringList AttachCommands = {
    QStringLiteral("PROTOCOL 8"),
    QStringLiteral("CREATE APPLICATION Verbalink"),
    QStringLiteral("GET CURRENTUSERHANDLE"),
    QStringLiteral("GET UI_LANGUAGE"),
};

class SkypeLinkTest : public SkypeFixture {
protected:
    SkypeLinkTest() { connection.link().enter(); }

    // Passes (1-based) in which PING went out, over `count` passes.
    QList<int> pingPasses(int count)
    {
        QList<int> result;
        for (int pass = 1; pass <= count; ++pass) {
            const qsizetype before = transport.commands().count(QStringLiteral("PING"));
            passes(1);
            if (transport.commands().count(QStringLiteral("PING")) > before)
                result.append(pass);
        }
        return result;
    }

    void answerPings()
    {
        transport.setOnSend([this](const FakeSkypeTransport::Sent& sent) {
            if (sent.command == "PING")
                transport.deliverLine(sent.to, "PONG");
        });
    }
};

TEST_F(SkypeLinkTest, DiscoveryThenAttachSendsTheFourCommandsInOrder)
{
    passes(1);
    EXPECT_EQ(transport.discoverCount(), 1);
    EXPECT_EQ(connection.attachState(), StateDiscovering);
    EXPECT_TRUE(log.contains(QStringLiteral("OK - SkypeControlAPIDiscover")));

    attach(Client);
    EXPECT_EQ(connection.attachState(), StateAttached);
    EXPECT_EQ(connection.endpoints(), QList<SkypeEndpoint>{Client});
    EXPECT_EQ(transport.commands(Client), AttachCommands);
}

TEST_F(SkypeLinkTest, SecondAttachKeepsOneEntryButResendsTheCommands)
{
    attach(Client);
    attach(Client);
    EXPECT_EQ(connection.endpoints(), QList<SkypeEndpoint>{Client});
    EXPECT_EQ(transport.commands(Client), AttachCommands + AttachCommands);
}

TEST_F(SkypeLinkTest, AttachWithoutEndpointIsIgnored)
{
    transport.deliverAttach(QString(), AttachSuccess);
    EXPECT_TRUE(connection.endpoints().isEmpty());
    EXPECT_EQ(connection.attachState(), StateNotAttached);
}

TEST_F(SkypeLinkTest, UnansweredDiscoveryIsRepeatedAfterFivePasses)
{
    passes(6);
    EXPECT_EQ(transport.discoverCount(), 1);
    EXPECT_EQ(connection.attachState(), StateNotAttached);
    passes(1);
    EXPECT_EQ(transport.discoverCount(), 2);

    transport.setDiscoverSucceeds(false);
    passes(6);
    EXPECT_EQ(connection.attachState(), StateNotAttached);
    EXPECT_TRUE(log.contains(QStringLiteral("ERROR - SkypeControlAPIDiscover")));
    passes(1);
    EXPECT_EQ(transport.discoverCount(), 4) << "a failed post is retried on the next pass";
}

TEST_F(SkypeLinkTest, PingAfterSixtyAttachedPassesThenEveryFifteen)
{
    attach(Client);
    answerPings();
    EXPECT_EQ(pingPasses(125), (QList<int>{60, 75, 90, 105, 120}));
    EXPECT_EQ(connection.attachState(), StateAttached);
}

TEST_F(SkypeLinkTest, PingCountDownIsNotResetWhenTheLinkDrops)
{
    passes(5); // not attached: these do not count
    attach(Client);
    passes(30);
    transport.setFailing(Client);
    EXPECT_FALSE(connection.sendCommand(QByteArrayLiteral("GET UI_LANGUAGE"), Client));
    passes(10); // dropped: the list is not empty, so no discovery and no count-down
    EXPECT_EQ(transport.discoverCount(), 1);
    EXPECT_EQ(connection.attachState(), StateNotAttached);

    transport.setFailing(Client, false);
    attach(Client);
    EXPECT_EQ(connection.endpoints(), (QList<SkypeEndpoint>{QString(), Client}));
    answerPings();
    EXPECT_EQ(pingPasses(31).first(), 30);
}

TEST_F(SkypeLinkTest, RegularPongKeepsTheLinkAndSilenceLosesItAfterHundredSeconds)
{
    attach(Client);
    for (int pass = 1; pass <= 300; ++pass) {
        passes(1);
        if (pass % 10 == 0)
            receive(Client, QStringLiteral("PONG"));
    }
    ASSERT_EQ(connection.attachState(), StateAttached);
    ASSERT_FALSE(log.contains(QStringLiteral("PONG is missing...")));

    const qint64 lastPong = clock.nowMs();
    passes(102);
    const auto lost = std::find_if(logTimes.begin(), logTimes.end(), [](const LogLine& line) {
        return line.text == QStringLiteral("PONG is missing...");
    });
    ASSERT_NE(lost, logTimes.end());
    EXPECT_GT(lost->atMs - lastPong, 100000);
    EXPECT_LE(lost->atMs - lastPong, 101000);
    EXPECT_TRUE(connection.endpoints().isEmpty());
    // Discovery starts over on the next pass.
    EXPECT_GE(transport.discoverCount(), 1);
}

TEST_F(SkypeLinkTest, ApiAvailableRebroadcastsEveryPassUntilAnswered)
{
    passes(1);
    transport.deliverAttach(Client, AttachApiAvailable);
    EXPECT_EQ(connection.attachState(), StateApiAvailable);
    passes(8);
    EXPECT_EQ(transport.discoverCount(), 9);
    EXPECT_EQ(connection.attachState(), StateApiAvailable);

    attach(Client);
    passes(3);
    EXPECT_EQ(transport.discoverCount(), 9);
}

TEST_F(SkypeLinkTest, ApiNotAvailableWaitsFiveSecondsBeforeEachBroadcast)
{
    passes(1);
    transport.deliverAttach(Client, AttachNotAvailable);
    EXPECT_TRUE(log.contains(QStringLiteral("Skype API not available")));
    const qint64 before = clock.nowMs();
    passes(1);
    EXPECT_EQ(clock.nowMs() - before, 6000);
    EXPECT_EQ(transport.discoverCount(), 2);
    EXPECT_EQ(connection.attachState(), StateApiNotAvailable);
}

TEST_F(SkypeLinkTest, RefusalIsReportedOnceUntilTheLossRuleRestarts)
{
    passes(1);
    transport.deliverAttach(Client, AttachRefused);
    EXPECT_EQ(connection.attachState(), StateRefused);
    passes(1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Access denied"));
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("Cannot connect to Skype.\nTo be able to translate your messages "
                             "Verbalink requires access to your Skype.\n Please, allow it from "
                             "your Skype settings and restart Verbalink!"));
    EXPECT_EQ(connection.attachState(), StateRefusalReported);

    passes(50);
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(transport.discoverCount(), 1);

    passes(60); // past 100 s without PONG: discovery again, and a second refusal
    EXPECT_GT(transport.discoverCount(), 1);
    transport.deliverAttach(Client, AttachRefused);
    passes(1);
    EXPECT_EQ(boxes.boxes().size(), 2);
}

TEST_F(SkypeLinkTest, PendingAuthorizationWaitsQuietly)
{
    passes(1);
    transport.deliverAttach(Client, AttachPendingAuthorization);
    passes(20);
    EXPECT_EQ(connection.attachState(), StatePendingAuthorization);
    EXPECT_EQ(transport.discoverCount(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("Pending authorization")));
}

TEST_F(SkypeLinkTest, FailedSendClearsTheEntryAndSilencesTheEndpoint)
{
    attach(Client);
    attach(Other);
    transport.clear();
    log.clear();
    transport.setFailing(Client);

    EXPECT_FALSE(connection.sendCommand(QStringLiteral("GET UI_LANGUAGE"), Client));
    EXPECT_EQ(log, (QStringList{QStringLiteral("SENDING..."), QStringLiteral("GET UI_LANGUAGE")}));
    EXPECT_EQ(connection.endpoints(), (QList<SkypeEndpoint>{QString(), Other}));
    EXPECT_EQ(connection.attachState(), StateNotAttached);

    log.clear();
    receive(Client, QStringLiteral("CURRENTUSERHANDLE mallory"));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(connection.session().currentUserHandleWide().isEmpty());

    transport.clear();
    connection.sendToAll(QStringLiteral("PING"));
    ASSERT_EQ(transport.sent().size(), 1);
    EXPECT_EQ(transport.sent()[0].to, Other);
}

TEST_F(SkypeLinkTest, HowASendEndedDecidesWhetherTheClientIsStillHeardAndWhenToDiscover)
{
    struct Case {
        const char* name;
        SendResult result;
        bool delivered;
        QList<SkypeEndpoint> endpoints;
        int discoversAfterAPass;
    };
    const QString error = QStringLiteral("org.freedesktop.DBus.Error.Failed: no body");
    const Case cases[] = {
        {"delivered", {SendResult::Delivered, {}}, true, {Client}, 0},
        // Alive and answering: only this command's reply is missing.
        {"an error answer", {SendResult::DeliveredWithError, error}, true, {Client}, 0},
        // Gone: the client's leaving or the loss rule brings discovery.
        {"failed", {SendResult::Failed, {}}, false, {QString()}, 0},
        // Still there but hung: found again at the next pass, not after 100 s.
        {"stalled", {SendResult::Stalled, {}}, false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        transport.deliverGone(Client);
        attachQuietly(Client);
        transport.setResult(Client, c.result);
        EXPECT_EQ(connection.sendCommand(QStringLiteral("GET CHATMESSAGE 1 BODY"), Client),
                  c.delivered);
        EXPECT_EQ(connection.endpoints(), c.endpoints);
        EXPECT_EQ(connection.attachState(), c.delivered ? StateAttached : StateNotAttached);
        if (c.result.outcome == SendResult::DeliveredWithError) {
            EXPECT_EQ(log.last(), u"SEND OK, answered with an error: " + error);
        }
        transport.setResult(Client, {SendResult::Delivered, {}});
        passes(1);
        EXPECT_EQ(transport.discoverCount(), c.discoversAfterAPass);

        log.clear();
        receive(Client, QStringLiteral("PROTOCOL 8"));
        EXPECT_EQ(!log.isEmpty(), c.delivered) << "lines from the client are heard";
    }
}

TEST_F(SkypeLinkTest, AClientThatLeftIsForgottenAndItsSuccessorAttachedAtOnce)
{
    attach(Client);
    transport.setFailing(Client);
    connection.sendCommand(QStringLiteral("GET UI_LANGUAGE"), Client);
    attach(Other);
    passes(3);
    EXPECT_EQ(transport.discoverCount(), 0);

    // Another endpoint still listed keeps the link as it is.
    transport.deliverGone(Client);
    EXPECT_EQ(connection.endpoints(), QList<SkypeEndpoint>{Other});
    EXPECT_EQ(connection.attachState(), StateAttached);
    // The last one gone: discovery right away, then every pass once the API is back.
    transport.deliverGone(Other);
    EXPECT_TRUE(connection.endpoints().isEmpty());
    EXPECT_EQ(connection.attachState(), StateNotAttached);
    passes(1);
    EXPECT_EQ(transport.discoverCount(), 1);
    const SkypeEndpoint restarted = QStringLiteral(":1.90");
    transport.deliverAttach(restarted, AttachApiAvailable);
    passes(2);
    EXPECT_EQ(transport.discoverCount(), 3);
    transport.clear();
    attach(restarted);
    EXPECT_EQ(transport.commands(restarted), AttachCommands);
}

TEST_F(SkypeLinkTest, SendEdgeCases)
{
    attachQuietly(Client);
    EXPECT_TRUE(connection.sendCommand(QByteArray(), Client));
    EXPECT_TRUE(transport.sent().isEmpty());
    EXPECT_EQ(log, (QStringList{QStringLiteral("SENDING..."), QString()}));

    log.clear();
    EXPECT_FALSE(connection.sendCommand(QByteArrayLiteral("PING"), QString()));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(transport.sent().isEmpty());

    EXPECT_TRUE(connection.sendCommand(QStringLiteral("CHATMESSAGE #a/$b;1 Grüße"), Client));
    EXPECT_EQ(transport.sent().last().command, QByteArray("CHATMESSAGE #a/$b;1 Gr\xc3\xbc\xc3\x9f"
                                                          "e"));
    EXPECT_EQ(log.last(), QStringLiteral("SEND OK"));
}

TEST_F(SkypeLinkTest, ReceivedLinesAreLoggedAroundTheirDispatch)
{
    attachQuietly(Client);
    receive(Client, QStringLiteral("PROTOCOL 8"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("PROTOCOL 8"), QStringLiteral("DONE!")}));
    log.clear();
    receive(Other, QStringLiteral("PROTOCOL 8"));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(SkypeLinkTest, RecordPurgeRunsOnEveryAttachedPass)
{
    int purges = 0;
    connection.handlers().onPurgeRecords.set([&purges] { ++purges; });
    passes(3);
    EXPECT_EQ(purges, 0);
    attach(Client);
    passes(4);
    EXPECT_EQ(purges, 4);
}

TEST(SkypeLinkThreadTest, StopEndsTheThreadInTheMiddleOfItsWait)
{
    FakeSkypeTransport transport;
    SystemClock clock;
    FakeMessageBox boxes;
    SkypeConnection connection(transport, clock, boxes);
    ASSERT_TRUE(connection.start());
    clock.sleepMs(50);
    // The first pass is waiting out its second: stop cuts it short, before another pass.
    connection.stop();
    EXPECT_EQ(transport.discoverCount(), 1);
    EXPECT_FALSE(connection.link().isRunning());
}

TEST(SkypeLinkThreadTest, StopRightAfterStartEndsTheThread)
{
    FakeSkypeTransport transport;
    FakeClock clock;
    FakeMessageBox boxes;
    SkypeConnection connection(transport, clock, boxes);
    ASSERT_TRUE(connection.start());
    connection.stop();
    EXPECT_FALSE(connection.link().isRunning());
}

// The link thread spins in virtual time while the main thread attaches and receives and a
// worker sends; run under ThreadSanitizer this shows the shared fields are sound.
TEST(SkypeLinkThreadTest, LinkThreadMainThreadAndSenderShareTheState)
{
    FakeSkypeTransport transport;
    FakeClock clock;
    FakeMessageBox boxes;
    SkypeConnection connection(transport, clock, boxes);
    std::atomic<int> logLines{0};
    connection.handlers().onLog.set([&logLines](const QString&) { ++logLines; });
    ASSERT_TRUE(connection.start());

    std::atomic<bool> done{false};
    std::thread sender([&] {
        while (!done.load())
            connection.sendToAll(QByteArrayLiteral("GET UI_LANGUAGE"));
    });
    for (int round = 0; round < 2000; ++round) {
        transport.deliverAttach(Client, round % 7 == 0 ? AttachRefused : AttachSuccess);
        transport.setFailing(Client, round % 5 == 0);
        transport.deliverLine(Client, "PONG");
        transport.deliverLine(Client, "GROUPS 1, 2");
        (void)connection.contacts().groups();
    }
    done.store(true);
    sender.join();
    connection.stop();
    EXPECT_FALSE(connection.link().isRunning());
    EXPECT_GT(logLines.load(), 0);
}

} // namespace
} // namespace verbalink::test
