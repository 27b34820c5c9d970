#include "skype/ChatMessageTracker.h"

#include "MessageFakes.h"
#include "SkypeFixture.h"

#include <memory>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");

class ChatMessageTrackerTest : public SkypeFixture {
protected:
    ChatMessageTrackerTest()
    {
        connection.link().enter();
        attachQuietly(Client);
        receive(Client, QStringLiteral("CURRENTUSERHANDLE alice"));
        connection.services().features.set(features);
        features->translation = true;
        transport.clear();
        log.clear();
    }

    void line(const QString& text) { receive(Client, text); }

    // The four notifications of a message the user sends.
    void sendMessage(qint32 id, const QString& chat, const QString& body,
                     const QString& status = QStringLiteral("SENDING"))
    {
        const QString prefix = QStringLiteral("CHATMESSAGE %1 ").arg(id);
        line(prefix % u"STATUS " % status);
        line(prefix % u"CHATNAME " % chat);
        line(prefix % u"FROM_HANDLE alice");
        line(prefix % u"BODY " % body);
    }

    QStringList sentCommands() const
    {
        // The channel logs around every send; only the commands matter here.
        return transport.commands(Client);
    }

    QList<OutgoingJob> jobs() { return connection.outgoingJobs().jobs(); }

    std::shared_ptr<FakeFeatures> features = std::make_shared<FakeFeatures>();
};

TEST_F(ChatMessageTrackerTest, HandledStatusesAskForTheThreeDetailsInOrder)
{
    const struct {
        const char* status;
        bool outgoing;
        bool received;
    } cases[] = {{"SENDING", true, false}, {"READ", false, false}, {"RECEIVED", false, true}};
    qint32 id = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        transport.clear();
        line(QStringLiteral("CHATMESSAGE %1 STATUS %2").arg(id).arg(QLatin1String(c.status)));
        EXPECT_EQ(sentCommands(),
                  (QStringList{QStringLiteral("GET CHATMESSAGE %1 CHATNAME").arg(id),
                               QStringLiteral("GET CHATMESSAGE %1 FROM_HANDLE").arg(id),
                               QStringLiteral("GET CHATMESSAGE %1 BODY").arg(id)}));
        const std::optional<ChatMessageRecord> record = connection.findRecord(id);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->state, ChatMessageRecord::Requested);
        EXPECT_EQ(record->outgoing, c.outgoing);
        EXPECT_EQ(record->received, c.received);
        EXPECT_EQ(record->skypeWindow, Client);
        ++id;
    }
    // Other statuses ask for nothing and leave a new record at state 0.
    transport.clear();
    line(QStringLiteral("CHATMESSAGE 20 STATUS SENT"));
    EXPECT_TRUE(sentCommands().isEmpty());
    EXPECT_EQ(connection.findRecord(20)->state, ChatMessageRecord::New);
}

TEST_F(ChatMessageTrackerTest, EncryptionPutsThePlaceholderOnlyWithACipherAndOnlyWhenSending)
{
    features->encryption = true;
    line(QStringLiteral("CHATMESSAGE 1 STATUS SENDING"));
    EXPECT_EQ(sentCommands().size(), 3) << "no cipher plugged in: encryption counts as off";

    connection.services().cipher.set(std::make_shared<FakeCipher>());
    transport.clear();
    line(QStringLiteral("CHATMESSAGE 2 STATUS SENDING"));
    ASSERT_EQ(sentCommands().size(), 4);
    EXPECT_EQ(sentCommands().last(), QStringLiteral("SET CHATMESSAGE 2 BODY Crypting message..."));

    transport.clear();
    line(QStringLiteral("CHATMESSAGE 3 STATUS RECEIVED"));
    EXPECT_EQ(sentCommands().size(), 3);
}

TEST_F(ChatMessageTrackerTest, APlaceholderNoJobWillReplaceGivesWayToTheTypedText)
{
    features->encryption = true;
    connection.services().cipher.set(std::make_shared<FakeCipher>());
    {
        std::lock_guard lock(features->mutex);
        features->excluded.insert(QStringLiteral("bob"));
    }
    ContactRecord carol;
    carol.handle = QStringLiteral("carol");
    connection.contacts().append(carol);
    const struct {
        const char* what;
        const char* chat;
        const char* body;
        bool postedByProgram;
        bool job;
    } cases[] = {
        {"filtered out", "#alice/$bob;1", "hi\r\nthere, \u00e9", false, false},
        {"enciphered by its job", "#alice/$carol;1", "secret", false, true},
        {"posted by the program", "#alice/$carol;1", "Happy new year", true, false},
    };
    qint32 id = 5;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString body = QString::fromUtf8(c.body);
        if (c.postedByProgram) {
            ASSERT_TRUE(connection.postMessageTo(QStringLiteral("carol"), body, true));
            line(QStringLiteral("CHAT #alice/$carol;1 STATUS DIALOG"));
        }
        const qsizetype jobsBefore = jobs().size();
        transport.clear();
        sendMessage(id, QString::fromUtf8(c.chat), body);
        const QStringList sent = sentCommands();
        ASSERT_GE(sent.size(), 4);
        EXPECT_EQ(sent[3], QStringLiteral("SET CHATMESSAGE %1 BODY Crypting message...").arg(id));
        EXPECT_EQ(jobs().size(), jobsBefore + (c.job ? 1 : 0));
        const ChatMessageRecord record = *connection.findRecord(id);
        if (c.job) {
            EXPECT_EQ(sent.size(), 4) << "the job puts the enciphered text in its place";
            EXPECT_EQ(record.state, ChatMessageRecord::Dispatched);
        } else {
            // Back as typed, in plain text: there is no job to encipher it for.
            ASSERT_EQ(sent.size(), 5);
            EXPECT_EQ(transport.sent().last().command,
                      QStringLiteral("SET CHATMESSAGE %1 BODY ").arg(id).toUtf8() + body.toUtf8());
            EXPECT_EQ(record.state, ChatMessageRecord::Replaced);
            EXPECT_EQ(record.replacement, body);
        }
        ++id;
    }
}

TEST_F(ChatMessageTrackerTest, CompletedOutgoingMessageBecomesAJobAndIsLogged)
{
    sendMessage(9, QStringLiteral("#alice/$bob;9f1"), QStringLiteral("hello, world\tand more"));
    const QList<OutgoingJob> queued = jobs();
    ASSERT_EQ(queued.size(), 1);
    EXPECT_EQ(queued[0].id, 9);
    EXPECT_EQ(queued[0].body, QStringLiteral("hello, world\tand more"));
    EXPECT_EQ(queued[0].partner, QStringLiteral("bob"));
    EXPECT_TRUE(log.contains(QStringLiteral("hello, world\tand more")));
    const ChatMessageRecord record = *connection.findRecord(9);
    EXPECT_EQ(record.state, ChatMessageRecord::Dispatched);
    EXPECT_EQ(record.author, QStringLiteral("alice"));

    // A group chat has no partner, and its job carries none.
    sendMessage(10, QStringLiteral("#alice/$e2a8c1f7d"), QStringLiteral("to all"));
    ASSERT_EQ(jobs().size(), 2);
    EXPECT_EQ(jobs()[1].partner, QString());
}

TEST_F(ChatMessageTrackerTest, JobsNeedAFeatureAnOutgoingMessageAndAPartnerNotFiltered)
{
    // Each feature alone is enough (encryption only with a cipher).
    features->translation = false;
    sendMessage(1, QStringLiteral("#alice/$bob;1"), QStringLiteral("a"));
    EXPECT_EQ(sentCommands().size(), 3) << "the details are still fetched";
    features->spellCheck = true;
    sendMessage(2, QStringLiteral("#alice/$bob;1"), QStringLiteral("b"));
    features->spellCheck = false;
    features->encryption = true;
    connection.services().cipher.set(std::make_shared<FakeCipher>());
    sendMessage(3, QStringLiteral("#alice/$bob;1"), QStringLiteral("c"));
    features->encryption = false;
    features->translation = true;
    // Read messages are fetched and completed but are not the user's to translate.
    sendMessage(4, QStringLiteral("#alice/$bob;1"), QStringLiteral("d"), QStringLiteral("READ"));
    {
        std::lock_guard lock(features->mutex);
        features->excluded.insert(QStringLiteral("bob"));
    }
    sendMessage(5, QStringLiteral("#alice/$bob;1"), QStringLiteral("e"));
    sendMessage(6, QStringLiteral("#alice/$carol;1"), QStringLiteral("f"));

    QList<qint32> ids;
    for (const OutgoingJob& job : jobs())
        ids.append(job.id);
    EXPECT_EQ(ids, (QList<qint32>{2, 3, 6}));
}

TEST_F(ChatMessageTrackerTest, PartnerIsTheOtherSideOfTheChatName)
{
    const struct {
        const char* argument;
        const char* own;
        const char* partner;
    } cases[] = {
        {"5 CHATNAME #alice/$bob;9f1", "alice", "bob"},
        {"5 CHATNAME #bob/$alice;9f1", "alice", "bob"},
        {"5 CHATNAME #alice/$e2a8c1f7d", "alice", ""},
        // An unknown own handle equals a missing B, so the starter is taken.
        {"5 CHATNAME #alice/$e2a8c1f7d", "", "alice"},
        {"5 CHATNAME #bob/$alice", "alice", ""},
        {"5 CHATNAME alice;x", "alice", ""},
        {"5 CHATNAME #bob;x/$alice;y", "alice", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(ChatMessageTracker::partnerFromChatName(QString::fromUtf8(c.argument),
                                                          QString::fromUtf8(c.own)),
                  QString::fromUtf8(c.partner));
    }
}

TEST_F(ChatMessageTrackerTest, OwnHandleAsSecondPartyFallsBackToTheStarter)
{
    sendMessage(4, QStringLiteral("#bob/$alice;9f1"), QStringLiteral("hi"));
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_EQ(jobs()[0].partner, QStringLiteral("bob"));
}

TEST_F(ChatMessageTrackerTest, ReplacementIsSentToTheMessagesWindowAndItsEchoIgnored)
{
    sendMessage(9, QStringLiteral("#alice/$bob;9f1"), QStringLiteral("hello"));
    transport.clear();
    EXPECT_TRUE(connection.replaceMessageBody(9, QStringLiteral("hola ¿qué?")));
    ASSERT_EQ(transport.sent().size(), 1);
    EXPECT_EQ(transport.sent()[0].to, Client);
    EXPECT_EQ(transport.sent()[0].command,
              QStringLiteral("SET CHATMESSAGE 9 BODY hola ¿qué?").toUtf8());
    ChatMessageRecord record = *connection.findRecord(9);
    EXPECT_EQ(record.state, ChatMessageRecord::Replaced);
    EXPECT_EQ(record.replacement, QStringLiteral("hola ¿qué?"));

    transport.clear();
    clock.advance(5000);
    line(QStringLiteral("CHATMESSAGE 9 BODY hola ¿qué?"));
    line(QStringLiteral("CHATMESSAGE 9 STATUS SENDING"));
    line(QStringLiteral("CHATMESSAGE 9 STATUS SENT"));
    EXPECT_TRUE(transport.sent().isEmpty());
    EXPECT_EQ(jobs().size(), 1);
    record = *connection.findRecord(9);
    EXPECT_EQ(record.body, QStringLiteral("hello"));
    EXPECT_EQ(record.state, ChatMessageRecord::Replaced);
    EXPECT_EQ(record.time, 5) << "only the time moves";
}

TEST_F(ChatMessageTrackerTest, ReplacementNeedsAnOutgoingRecordAndEnciphersWhenEncryptionIsOn)
{
    EXPECT_FALSE(connection.replaceMessageBody(77, QStringLiteral("x")));
    sendMessage(3, QStringLiteral("#alice/$bob;1"), QStringLiteral("hi"),
                QStringLiteral("RECEIVED"));
    transport.clear();
    EXPECT_FALSE(connection.replaceMessageBody(3, QStringLiteral("x")));
    EXPECT_TRUE(transport.sent().isEmpty());
    EXPECT_EQ(connection.findRecord(3)->state, ChatMessageRecord::Dispatched);

    features->encryption = true;
    connection.services().cipher.set(std::make_shared<FakeCipher>());
    sendMessage(4, QStringLiteral("#alice/$bob;1"), QStringLiteral("hi"));
    transport.clear();
    EXPECT_TRUE(connection.replaceMessageBody(4, QStringLiteral("hé")));
    ASSERT_EQ(transport.sent().size(), 1);
    EXPECT_EQ(transport.sent()[0].command,
              QByteArray("SET CHATMESSAGE 4 BODY [Verbalink Encrypted Message]\r\ncipher(68c3a9)"));
    EXPECT_TRUE(connection.findRecord(4)->replacement.isEmpty());
    EXPECT_EQ(connection.findRecord(4)->state, ChatMessageRecord::Replaced);
}

TEST_F(ChatMessageTrackerTest, MessageThisProgramPostedIsNotQueued)
{
    ContactRecord bob;
    bob.handle = QStringLiteral("bob");
    connection.contacts().append(bob);
    ASSERT_TRUE(
        connection.postMessageTo(QStringLiteral("bob"), QStringLiteral("Happy new year"), true));
    line(QStringLiteral("CHAT #alice/$bob;9f1 STATUS DIALOG"));
    EXPECT_EQ(connection.session().selfSentText(), QStringLiteral("Happy new year"));

    sendMessage(30, QStringLiteral("#alice/$bob;9f1"), QStringLiteral("Happy new year"));
    EXPECT_TRUE(jobs().isEmpty());
    EXPECT_TRUE(connection.session().selfSentText().isEmpty());
    EXPECT_TRUE(log.contains(QStringLiteral("Happy new year")));

    sendMessage(31, QStringLiteral("#alice/$bob;9f1"), QStringLiteral("typed by hand"));
    EXPECT_EQ(jobs().size(), 1);
}

TEST_F(ChatMessageTrackerTest, BodyForAnUnseenIdWaitsForTheNextNotification)
{
    line(QStringLiteral("CHATMESSAGE 50 BODY early"));
    EXPECT_EQ(connection.findRecord(50)->state, ChatMessageRecord::BodyReceived);
    EXPECT_FALSE(log.contains(QStringLiteral("early")));
    // Even a status that is not handled completes it; it was never marked as sent, so the
    // outgoing entry leaves it alone.
    line(QStringLiteral("CHATMESSAGE 50 STATUS SENT"));
    EXPECT_EQ(connection.findRecord(50)->state, ChatMessageRecord::Dispatched);
    EXPECT_TRUE(log.contains(QStringLiteral("early")));
    EXPECT_TRUE(jobs().isEmpty());

    // A handled status starts the fetch over instead.
    line(QStringLiteral("CHATMESSAGE 51 BODY early"));
    line(QStringLiteral("CHATMESSAGE 51 STATUS SENDING"));
    EXPECT_EQ(connection.findRecord(51)->state, ChatMessageRecord::Requested);
    line(QStringLiteral("CHATMESSAGE 51 BODY final"));
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_EQ(jobs()[0].body, QStringLiteral("final"));
}

TEST_F(ChatMessageTrackerTest, NonIntegerIdsAreIgnored)
{
    for (const QString& text :
         {QStringLiteral("CHATMESSAGE x STATUS SENDING"), QStringLiteral("CHATMESSAGE 9x BODY hi"),
          QStringLiteral("CHATMESSAGE 99999999999 STATUS SENDING"), QStringLiteral("CHATMESSAGE")})
        line(text);
    EXPECT_TRUE(transport.sent().isEmpty());
    EXPECT_FALSE(connection.findRecord(0));
}

TEST_F(ChatMessageTrackerTest, AClientGoneTakesItsMessagesAlongAndItsSuccessorStartsAfresh)
{
    sendMessage(1, QStringLiteral("#alice/$bob;1"), QStringLiteral("Before"));
    line(QStringLiteral("CHATMESSAGE 1 STATUS SENT"));
    ASSERT_EQ(jobs().size(), 1);

    // Restarted, the client counts its ids from 1 again.
    transport.deliverGone(Client);
    EXPECT_FALSE(connection.findRecord(1).has_value());
    const SkypeEndpoint restarted = QStringLiteral(":1.90");
    attachQuietly(restarted);
    const QString prefix = QStringLiteral("CHATMESSAGE 1 ");
    for (const char* rest :
         {"STATUS SENDING", "CHATNAME #alice/$bob;1", "BODY After", "STATUS SENT"})
        receive(restarted, prefix + QLatin1StringView(rest));
    ASSERT_EQ(jobs().size(), 2);
    EXPECT_EQ(jobs().last().body, QStringLiteral("After"));
    EXPECT_TRUE(connection.replaceMessageBody(1, QStringLiteral("After (translated)")));
    EXPECT_EQ(transport.commands(restarted).last(),
              QStringLiteral("SET CHATMESSAGE 1 BODY After (translated)"));
}

TEST_F(ChatMessageTrackerTest, AFloodOfMessageIdsIsTrackedInLinearTime)
{
    // Every id starts a record that lives ten minutes; a search through all of them per line
    // would take hours here, far past the test's time-out.
    constexpr int Count = 150000;
    for (int id = 1; id <= Count; ++id)
        line(u"CHATMESSAGE " + QString::number(id) + u" STATUS RECEIVED");
    ASSERT_TRUE(connection.findRecord(Count).has_value());
    EXPECT_EQ(transport.sent().size(), 3 * Count);
}

TEST_F(ChatMessageTrackerTest, LinkThreadPurgesRecordsIdleForMoreThanTenMinutes)
{
    line(QStringLiteral("CHATMESSAGE 1 STATUS SENDING"));
    clock.advance(300'000);
    line(QStringLiteral("CHATMESSAGE 2 STATUS SENDING"));
    clock.advance(300'000);
    line(QStringLiteral("PONG"));
    passes(1); // purges first, then waits its second
    EXPECT_TRUE(connection.findRecord(1)) << "600 s idle is not more than 600 s";
    clock.advance(1000);
    passes(1);
    EXPECT_FALSE(connection.findRecord(1));
    EXPECT_TRUE(connection.findRecord(2));

    // Reported again after the purge, the message starts afresh.
    transport.clear();
    line(QStringLiteral("CHATMESSAGE 1 BODY late"));
    EXPECT_EQ(connection.findRecord(1)->state, ChatMessageRecord::BodyReceived);
}

TEST_F(ChatMessageTrackerTest, MegabyteBodiesPassWhole)
{
    QString body;
    body.reserve(1 << 20);
    while (body.size() < (1 << 20))
        body += QStringLiteral("ab, c\td  é ");
    sendMessage(8, QStringLiteral("#alice/$bob;1"), body);
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_EQ(jobs()[0].body, body);
    transport.clear();
    EXPECT_TRUE(connection.replaceMessageBody(8, body + body));
    ASSERT_EQ(transport.sent().size(), 1);
    EXPECT_EQ(transport.sent()[0].command, "SET CHATMESSAGE 8 BODY " + (body + body).toUtf8());
}

} // namespace
} // namespace verbalink::test
