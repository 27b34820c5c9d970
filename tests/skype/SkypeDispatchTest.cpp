#include "SkypeFixture.h"

#include <QRandomGenerator>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");

class SkypeDispatchTest : public SkypeFixture {
protected:
    SkypeDispatchTest()
    {
        connection.link().enter();
        attachQuietly(Client);
        connection.handlers().onChatMessageEvent.set(
            [this](const ChatMessageEvent& event, const SkypeEndpoint& from) {
                events.append(event);
                eventSenders.append(from);
            });
    }

    void addContact(const QString& handle, const QString& pending = {})
    {
        ContactRecord contact;
        contact.handle = handle;
        contact.pendingMessage = pending;
        connection.contacts().append(contact);
    }

    ContactRecord contact(qsizetype index) { return connection.contacts().contacts().value(index); }

    QList<ChatMessageEvent> events;
    QList<SkypeEndpoint> eventSenders;
};

TEST_F(SkypeDispatchTest, MessageIsHandledLikeChatMessage)
{
    receive(Client, QStringLiteral("CHATMESSAGE 7 STATUS SENDING"));
    receive(Client, QStringLiteral("MESSAGE 7 STATUS SENDING"));
    ASSERT_EQ(events.size(), 2);
    for (const ChatMessageEvent& event : events) {
        EXPECT_EQ(event.id, 7);
        EXPECT_EQ(event.property, QStringLiteral("STATUS"));
        EXPECT_EQ(event.status, QStringLiteral("SENDING"));
    }
    EXPECT_EQ(eventSenders, (QList<SkypeEndpoint>{Client, Client}));

    receive(Client, QStringLiteral("CHATMESSAGE 7 BODY a, b"));
    EXPECT_EQ(events.last().value, QStringLiteral("a, b"));

    receive(Client, QStringLiteral("CHATMESSAGE seven STATUS SENDING"));
    receive(Client, QStringLiteral("chatmessage 7 STATUS SENDING"));
    receive(Client, QStringLiteral("CHATMESSAGES 7 STATUS SENDING"));
    EXPECT_EQ(events.size(), 3);
}

TEST_F(SkypeDispatchTest, GroupsChainFillsTheContactList)
{
    connection.contacts().setUsersPending(true);
    receive(Client, QStringLiteral("GROUPS 11, 12, x"));
    EXPECT_EQ(transport.commands(Client), (QStringList{QStringLiteral("GET GROUP 11 TYPE"),
                                                       QStringLiteral("GET GROUP 12 TYPE")}));
    EXPECT_EQ(connection.contacts().groups().size(), 2);

    transport.clear();
    receive(Client, QStringLiteral("GROUP 11 TYPE CUSTOM_GROUP"));
    receive(Client, QStringLiteral("GROUP 12 TYPE ALL_FRIENDS"));
    EXPECT_EQ(transport.commands(Client), QStringList{QStringLiteral("GET GROUP 12 USERS")});
    EXPECT_EQ(connection.contacts().groups().value(1).type, QStringLiteral("ALL_FRIENDS"));

    transport.clear();
    receive(Client, QStringLiteral("GROUP 12 USERS alice, bob, alice"));
    EXPECT_EQ(
        connection.contacts().handles(),
        (QStringList{QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("alice")}));
    EXPECT_EQ(transport.commands(Client), (QStringList{QStringLiteral("GET USER alice FULLNAME"),
                                                       QStringLiteral("GET USER bob FULLNAME"),
                                                       QStringLiteral("GET USER alice FULLNAME")}));
    EXPECT_FALSE(connection.contacts().usersPending());
}

TEST_F(SkypeDispatchTest, UserDetailsTakeTheirValueFromTheRawText)
{
    addContact(QStringLiteral("bob"));
    addContact(QStringLiteral("alice"));
    addContact(QStringLiteral("bob"));

    receive(Client, QStringLiteral("USER bob FULLNAME Bob  Smith, Jr."));
    EXPECT_EQ(contact(0).fullName, QStringLiteral("Bob  Smith, Jr."));
    EXPECT_TRUE(contact(0).detailsReceived);
    EXPECT_FALSE(contact(2).detailsReceived) << "only the first contact with the handle";
    receive(Client, QStringLiteral("USER nobody FULLNAME Ghost"));
    EXPECT_EQ(transport.commands(Client),
              (QStringList{QStringLiteral("GET USER bob LANGUAGE"),
                           QStringLiteral("GET USER nobody LANGUAGE")}));

    receive(Client, QStringLiteral("USER bob LANGUAGE de German"));
    receive(Client, QStringLiteral("USER alice LANGUAGE x"));
    EXPECT_EQ(contact(0).language, QByteArray("de"));
    EXPECT_EQ(contact(1).language, QByteArray("en"));
    EXPECT_TRUE(contact(1).detailsReceived);

    // A handle that spells a property word does not move the value.
    addContact(QStringLiteral("LANGUAGE"));
    receive(Client, QStringLiteral("USER LANGUAGE LANGUAGE fr French"));
    EXPECT_EQ(contact(3).language, QByteArray("fr"));

    transport.clear();
    receive(Client, QStringLiteral("USER bob MOOD_TEXT hi"));
    EXPECT_TRUE(transport.sent().isEmpty());
}

TEST_F(SkypeDispatchTest, DialogChatPostsThePendingMessagesOfBothParties)
{
    addContact(QStringLiteral("alice"), QStringLiteral("hello alice"));
    addContact(QStringLiteral("carol"), QStringLiteral("not for this chat"));
    addContact(QStringLiteral("bob"), QStringLiteral("grüß dich, bob"));
    addContact(QStringLiteral("bob"));

    QStringList selfSentAtSend;
    transport.setOnSend([&](const FakeSkypeTransport::Sent& sent) {
        if (sent.command.startsWith("CHATMESSAGE"))
            selfSentAtSend.append(connection.session().selfSentText());
    });

    receive(Client, QStringLiteral("CHAT #alice/$bob;9f1 STATUS DIALOG"));
    EXPECT_EQ(transport.commands(Client),
              (QStringList{QStringLiteral("OPEN CHAT #alice/$bob;9f1"),
                           QStringLiteral("CHATMESSAGE #alice/$bob;9f1 hello alice"),
                           QStringLiteral("OPEN CHAT #alice/$bob;9f1"),
                           QStringLiteral("CHATMESSAGE #alice/$bob;9f1 grüß dich, bob")}));
    EXPECT_EQ(selfSentAtSend,
              (QStringList{QStringLiteral("hello alice"), QStringLiteral("grüß dich, bob")}));
    EXPECT_TRUE(contact(0).pendingMessage.isEmpty());
    EXPECT_EQ(contact(1).pendingMessage, QStringLiteral("not for this chat"));
    EXPECT_TRUE(contact(2).pendingMessage.isEmpty());

    transport.clear();
    receive(Client, QStringLiteral("CHAT #alice/$bob;9f1 STATUS DIALOG"));
    EXPECT_TRUE(transport.sent().isEmpty()) << "pending messages are posted once";
}

TEST_F(SkypeDispatchTest, DialogChatDuringBroadcastSkipsOpenChat)
{
    addContact(QStringLiteral("bob"), QStringLiteral("news"));
    connection.options().setBroadcastRunning(true);
    receive(Client, QStringLiteral("CHAT #alice/$bob;9f1 STATUS DIALOG"));
    EXPECT_EQ(transport.commands(Client),
              QStringList{QStringLiteral("CHATMESSAGE #alice/$bob;9f1 news")});
}

TEST_F(SkypeDispatchTest, OtherChatLinesPostNothing)
{
    addContact(QStringLiteral("alice"), QStringLiteral("hello"));
    const char* lines[] = {
        "CHAT #alice/$9f1 STATUS MULTI_SUBSCRIBED",
        "CHAT #alice/$bob;9f1 STATUS",
        "CHAT #alice/$bob;9f1 STATUS dialog",
        "CHAT",
    };
    for (const char* line : lines)
        transport.deliverLine(Client, line);
    EXPECT_TRUE(transport.sent().isEmpty());
    EXPECT_EQ(contact(0).pendingMessage, QStringLiteral("hello"));
}

TEST_F(SkypeDispatchTest, CallLinesTrackTheCurrentCall)
{
    QStringList partnerNames;
    QStringList finished;
    connection.handlers().onCallPartnerName.set(
        [&](const QString& name) { partnerNames.append(name); });
    connection.handlers().onCallFinished.set([&](const QString& id) { finished.append(id); });

    // A call that was going on before the program started is only heard of in its pulses.
    CallState::Snapshot call = connection.call().snapshot();
    EXPECT_EQ(call.partnerName, QStringLiteral("UNKNOWN"));
    EXPECT_EQ(call.duration, QStringLiteral("0"));
    receive(Client, QStringLiteral("CALL 41 DURATION 300"));
    call = connection.call().snapshot();
    EXPECT_TRUE(call.inCall);
    EXPECT_EQ(call.partnerName, QStringLiteral("UNKNOWN"));
    EXPECT_EQ(call.duration, QStringLiteral("300"));

    receive(Client, QStringLiteral("CALL 42 STATUS INPROGRESS"));
    call = connection.call().snapshot();
    EXPECT_TRUE(call.inCall);
    EXPECT_EQ(call.callId, QStringLiteral("42"));
    EXPECT_EQ(call.window, Client);
    EXPECT_EQ(call.partnerName, QStringLiteral("UNKNOWN"));
    EXPECT_EQ(call.duration, QStringLiteral("0"));
    EXPECT_EQ(transport.commands(Client),
              QStringList{QStringLiteral("GET CALL 42 PARTNER_DISPNAME")});

    receive(Client, QStringLiteral("CALL 42 PARTNER_DISPNAME Mary, Ann"));
    EXPECT_EQ(partnerNames, QStringList{QStringLiteral("Mary Ann")});
    EXPECT_EQ(connection.call().snapshot().partnerName, QStringLiteral("Mary Ann"));

    receive(Client, QStringLiteral("CALL 42 DURATION 17"));
    EXPECT_EQ(connection.call().snapshot().duration, QStringLiteral("17"));

    receive(Client, QStringLiteral("CALL 42 STATUS FINISHED"));
    EXPECT_FALSE(connection.call().snapshot().inCall);
    EXPECT_EQ(finished, QStringList{QStringLiteral("42")});

    receive(Client, QStringLiteral("CALL 43 DURATION 1"));
    call = connection.call().snapshot();
    EXPECT_TRUE(call.inCall);
    EXPECT_EQ(call.callId, QStringLiteral("43"));

    receive(Client, QStringLiteral("CALL 43 STATUS RINGING"));
    receive(Client, QStringLiteral("CALL 43 STATUS"));
    receive(Client, QStringLiteral("CALL 43 PARTNER_DISPNAME"));
    EXPECT_TRUE(connection.call().snapshot().inCall);
    EXPECT_EQ(partnerNames.size(), 1);
}

TEST_F(SkypeDispatchTest, CallInProgressRedirectsAudioAsTheOwnerSays)
{
    struct Case {
        bool record;
        bool voice;
    };
    for (const Case c :
         {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "record " << c.record << " voice " << c.voice);
        QStringList redirected;
        SkypeHandlers& handlers = connection.handlers();
        handlers.isCallAutoRecordOn.set([&] { return c.record; });
        handlers.isCallVoiceChanged.set([&] { return c.voice; });
        handlers.onRedirectCallCapture.set([&](const QString& id, const SkypeEndpoint& window) {
            redirected.append(u"capture " % id % u' ' % window);
        });
        handlers.onRedirectCallInput.set([&](const QString& id, const SkypeEndpoint& window) {
            redirected.append(u"input " % id % u' ' % window);
        });
        receive(Client, QStringLiteral("CALL 9 STATUS INPROGRESS"));
        QStringList expected;
        if (c.record)
            expected.append(QStringLiteral("capture 9 :1.42"));
        if (c.voice)
            expected.append(QStringLiteral("input 9 :1.42"));
        EXPECT_EQ(redirected, expected);
    }
}

TEST_F(SkypeDispatchTest, UiLanguageRelabelsOnlyOnChangeWhenFollowingTheClient)
{
    int relabels = 0;
    connection.handlers().onRelabelMenus.set([&relabels] { ++relabels; });
    receive(Client, QStringLiteral("UI_LANGUAGE de"));
    EXPECT_EQ(connection.session().uiLanguage(), QByteArray("de"));
    EXPECT_EQ(relabels, 0) << "a fixed interface language";

    connection.options().setInterfaceLanguageChoice(LinkOptions::AutomaticInterfaceLanguage);
    receive(Client, QStringLiteral("UI_LANGUAGE de"));
    EXPECT_EQ(relabels, 0);
    receive(Client, QStringLiteral("UI_LANGUAGE fr"));
    EXPECT_EQ(relabels, 1);
    receive(Client, QStringLiteral("UI_LANGUAGE fr"));
    EXPECT_EQ(relabels, 1);
}

TEST_F(SkypeDispatchTest, CurrentUserHandleFeedsTheKeyDerivation)
{
    QList<QByteArray> keys;
    connection.handlers().onCurrentUserHandle.set([&](const QByteArray& h) { keys.append(h); });
    receive(Client, QStringLiteral("CURRENTUSERHANDLE alice.w"));
    EXPECT_EQ(keys, QList<QByteArray>{QByteArray("alice.w")});
    EXPECT_EQ(connection.session().currentUserHandleWide(), QStringLiteral("alice.w"));
    EXPECT_EQ(connection.session().currentUserHandle(), QByteArray("alice.w"));
}

TEST_F(SkypeDispatchTest, TruncatedLinesAreIgnored)
{
    addContact(QStringLiteral("bob"));
    const char* lines[] = {"",
                           " ",
                           "GROUPS",
                           "GROUP",
                           "GROUP 1",
                           "GROUP x TYPE ALL_FRIENDS",
                           "GROUP 1 TYPE",
                           "USER",
                           "USER bob",
                           "USER bob FULLNAME",
                           "CALL",
                           "CALL 42",
                           "CHATMESSAGE",
                           "MESSAGE ",
                           "UI_LANGUAGE",
                           "CURRENTUSERHANDLE"};
    for (const char* line : lines)
        transport.deliverLine(Client, line);
    EXPECT_EQ(transport.commands(Client), QStringList{QStringLiteral("GET USER bob LANGUAGE")})
        << "only the FULLNAME without a name asks on";
    EXPECT_TRUE(contact(0).fullName.isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(SkypeDispatchTest, LineEndsAtTheFirstNulAndBadUtf8IsReplaced)
{
    QByteArray bytes("CHATMESSAGE 7 BODY caf\xc3\xa9 \xff\xc3 end");
    bytes.append('\0');
    bytes.append("CHATMESSAGE 8 BODY hidden");
    transport.deliverLine(Client, bytes);
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].value, QStringView(u"caf\u00e9 \ufffd\ufffd end").toString());
    EXPECT_EQ(log.first(),
              QStringView(u"CHATMESSAGE 7 BODY caf\u00e9 \ufffd\ufffd end").toString());
    EXPECT_EQ(log.last(), QStringLiteral("DONE!"));
}

TEST_F(SkypeDispatchTest, MegabyteLinesOfJunkAreHandledQuickly)
{
    const int size = 4 * 1024 * 1024;
    QRandomGenerator random(1234);
    QByteArray junk(size, Qt::Uninitialized);
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    // Plenty of separators, and no NUL so the whole line gets parsed.
    for (qsizetype i = 0; i < junk.size(); i += 7)
        junk[i] = ",\t "[i % 3];
    junk.replace('\0', 'x');

    addContact(QStringLiteral("bob"), QStringLiteral("pending"));
    const char* kinds[] = {"CHATMESSAGE 7 BODY ",
                           "MESSAGE ",
                           "GROUPS ",
                           "GROUP 1 TYPE ",
                           "USER bob FULLNAME ",
                           "USER bob LANGUAGE ",
                           "GROUP 1 USERS ",
                           "CHAT ",
                           "CALL 1 ",
                           "CALL 1 PARTNER_DISPNAME ",
                           "UI_LANGUAGE ",
                           "CURRENTUSERHANDLE ",
                           "UNKNOWN "};
    // Linear work on 48 MB in total; anything quadratic would take hours, far past the test's
    // time-out.
    for (const char* kind : kinds) {
        SCOPED_TRACE(kind);
        transport.deliverLine(Client, kind + junk);
        EXPECT_EQ(log.last(), QStringLiteral("DONE!"));
    }
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events[0].id, 7);
    EXPECT_GT(events[0].value.size(), size / 2);

    // A huge list of group ids or user handles: one command each, still linear.
    QByteArray ids;
    for (int i = 0; i < 100000; ++i)
        ids += QByteArray::number(i) + ", ";
    transport.clear();
    transport.deliverLine(Client, "GROUPS " + ids);
    EXPECT_EQ(transport.sent().size(), 100000);
    EXPECT_EQ(connection.contacts().groups().size(), 100000);
}

} // namespace
} // namespace verbalink::test
