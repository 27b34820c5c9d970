#include "ApiMessageLog.h"
#include "SkypeSimulator.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;

namespace {

QString replyTo(SkypeSimulator& simulator, const QString& command)
{
    return simulator.handle(command).reply;
}

// The chat name in "CHAT <name> STATUS <status>".
QString chatNameIn(const QString& reply)
{
    return reply.section(u' ', 1, 1);
}

QStringList pushed(SkypeSimulator& simulator, const QString& line)
{
    const ParsedDirective parsed = SimDirectiveParser::parse(line);
    EXPECT_TRUE(parsed.ok()) << qPrintable(parsed.error);
    return simulator.apply(parsed.directive).value_or(QStringList{u"not applied"_s});
}

} // namespace

TEST(SimChatsTest, ChatCreateGivesTheDialogThatPostingUses)
{
    SkypeSimulator simulator;
    const QString reply = replyTo(simulator, u"CHAT CREATE bob"_s);
    const QRegularExpression form(uR"(^CHAT #alice/\$bob;[0-9a-f]+ STATUS DIALOG$)"_s);
    ASSERT_TRUE(form.match(reply).hasMatch()) << qPrintable(reply);
    const QString chat = chatNameIn(reply);
    // The dialog with bob is one chat, however often it is asked for.
    EXPECT_EQ(replyTo(simulator, u"CHAT CREATE bob"_s), reply);
    EXPECT_NE(chatNameIn(replyTo(simulator, u"CHAT CREATE carol"_s)), chat);

    EXPECT_EQ(replyTo(simulator, u"OPEN CHAT "_s + chat), u"OPEN CHAT "_s + chat);
    const QString posted = replyTo(simulator, u"CHATMESSAGE "_s + chat + u" Hallo, Bob!"_s);
    ASSERT_EQ(posted, u"CHATMESSAGE 1 STATUS SENDING"_s);
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 1 CHATNAME"_s),
              u"CHATMESSAGE 1 CHATNAME "_s + chat);
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 1 FROM_HANDLE"_s),
              u"CHATMESSAGE 1 FROM_HANDLE alice"_s);
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY Hallo, Bob!"_s);
    EXPECT_EQ(replyTo(simulator, u"get chatmessage 1 status"_s), u"CHATMESSAGE 1 STATUS SENDING"_s);
}

TEST(SimChatsTest, SeveralHandlesMakeAGroupChat)
{
    SkypeSimulator simulator;
    const QString reply = replyTo(simulator, u"CHAT CREATE bob, carol"_s);
    const QRegularExpression form(uR"(^CHAT #alice/\$[0-9a-f]+ STATUS MULTI_SUBSCRIBED$)"_s);
    EXPECT_TRUE(form.match(reply).hasMatch()) << qPrintable(reply);
}

TEST(SimChatsTest, BadChatCommandsGetAnErrorLine)
{
    SkypeSimulator simulator;
    const QString chat = chatNameIn(replyTo(simulator, u"CHAT CREATE bob"_s));
    for (const QString& command : QStringList{
             u"CHAT CREATE"_s, u"CHAT CREATE  "_s, u"CHAT CREATE b;b"_s, u"CHAT CREATE bob, #x"_s,
             u"OPEN CHAT #alice/$nobody;1"_s, u"OPEN CHAT"_s, u"CHATMESSAGE #alice/$nobody;1 hi"_s,
             u"CHATMESSAGE "_s + chat, u"CHATMESSAGE "_s + chat + u" "_s, u"CHATMESSAGE"_s}) {
        EXPECT_TRUE(replyTo(simulator, command).startsWith(u"ERROR "_s)) << qPrintable(command);
    }
    EXPECT_EQ(simulator.chats().messages().size(), 0);
}

TEST(SimChatsTest, SetBodyKeepsTheTextExactly)
{
    SkypeSimulator simulator;
    ASSERT_EQ(pushed(simulator, u"type bob Guten Tag"_s),
              QStringList{u"CHATMESSAGE 1 STATUS SENDING"_s});
    const QString bodies[] = {
        u"Good day, Bob,  how are you?"_s,
        u"[Verbalink Encrypted Message]\r\nQUJD,REVG"_s,
        u""_s,
        u" \tç, \\n"_s,
    };
    for (const QString& body : bodies) {
        EXPECT_EQ(replyTo(simulator, u"SET CHATMESSAGE 1 BODY "_s + body),
                  u"CHATMESSAGE 1 BODY "_s + body);
        EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY "_s + body);
    }
}

TEST(SimChatsTest, BadMessageRequestsChangeNothing)
{
    SkypeSimulator simulator;
    pushed(simulator, u"type bob mine"_s);
    pushed(simulator, u"receive bob theirs"_s);
    for (const QString& command :
         {u"GET CHATMESSAGE 3 BODY"_s, u"GET CHATMESSAGE 0 BODY"_s, u"GET CHATMESSAGE -1 BODY"_s,
          u"GET CHATMESSAGE x BODY"_s, u"GET CHATMESSAGE 1"_s, u"GET CHATMESSAGE 1 BODY x"_s,
          u"GET CHATMESSAGE 1 TIMESTAMPX"_s, u"GET CHATMESSAGE"_s, u"SET CHATMESSAGE 3 BODY x"_s,
          u"SET CHATMESSAGE x BODY x"_s, u"SET CHATMESSAGE 1 STATUS READ"_s,
          u"SET CHATMESSAGE 1 BODYx"_s, u"SET CHATMESSAGE 1"_s, u"SET CHATMESSAGE"_s,
          // Only the user's own messages can be edited.
          u"SET CHATMESSAGE 2 BODY changed"_s}) {
        EXPECT_TRUE(replyTo(simulator, command).startsWith(u"ERROR "_s)) << qPrintable(command);
    }
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY mine"_s);
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 2 BODY"_s), u"CHATMESSAGE 2 BODY theirs"_s);
}

// The chat names tell the program who the partner is: the one after "/$" before ";", or the
// starter when that is the user; group chats have no ";" and so no partner.
TEST(SimChatsTest, ScriptedMessagesLandInTheRightChats)
{
    SkypeSimulator simulator;
    EXPECT_EQ(pushed(simulator, u"receive carol Salut"_s),
              QStringList{u"CHATMESSAGE 1 STATUS RECEIVED"_s});
    pushed(simulator, u"type carol Hi"_s);
    pushed(simulator, u"type bob Hello"_s);
    pushed(simulator, u"type-group Hi all"_s);
    pushed(simulator, u"receive-group carol Hi, alice"_s);

    const auto field = [&](int id, const QString& property) {
        return replyTo(simulator, u"GET CHATMESSAGE %1 %2"_s.arg(id).arg(property))
            .section(u' ', 3);
    };
    const QString carolChat = field(1, u"CHATNAME"_s);
    EXPECT_TRUE(QRegularExpression(uR"(^#carol/\$alice;[0-9a-f]+$)"_s).match(carolChat).hasMatch())
        << qPrintable(carolChat);
    EXPECT_EQ(field(1, u"FROM_HANDLE"_s), u"carol"_s);
    EXPECT_EQ(field(2, u"CHATNAME"_s), carolChat);
    EXPECT_EQ(field(2, u"FROM_HANDLE"_s), u"alice"_s);
    EXPECT_TRUE(field(3, u"CHATNAME"_s).startsWith(u"#alice/$bob;"_s));
    const QString group = field(4, u"CHATNAME"_s);
    EXPECT_TRUE(QRegularExpression(uR"(^#alice/\$[0-9a-f]+$)"_s).match(group).hasMatch())
        << qPrintable(group);
    EXPECT_EQ(field(5, u"CHATNAME"_s), group);
    EXPECT_EQ(field(5, u"FROM_HANDLE"_s), u"carol"_s);
    EXPECT_EQ(field(5, u"BODY"_s), u"Hi, alice"_s);
    EXPECT_EQ(field(5, u"STATUS"_s), u"RECEIVED"_s);
    // A program may post into a chat it did not create.
    EXPECT_EQ(replyTo(simulator, u"CHATMESSAGE "_s + carolChat + u" ok"_s),
              u"CHATMESSAGE 6 STATUS SENDING"_s);
}

TEST(SimChatsTest, TheStoreKeepsTheNewestMessagesOnly)
{
    SkypeSimulator simulator(ApiState{}, 3);
    for (int i = 1; i <= 5; ++i)
        pushed(simulator, u"receive bob message %1"_s.arg(i));
    EXPECT_EQ(simulator.chats().messages().size(), 3);
    EXPECT_TRUE(replyTo(simulator, u"GET CHATMESSAGE 2 BODY"_s).startsWith(u"ERROR "_s));
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 3 BODY"_s), u"CHATMESSAGE 3 BODY message 3"_s);
    EXPECT_EQ(replyTo(simulator, u"GET CHATMESSAGE 5 BODY"_s), u"CHATMESSAGE 5 BODY message 5"_s);

    ApiMessageStore store;
    for (int i = 0; i < ApiMessageStore::DefaultCapacity + 10; ++i)
        store.add(u"#a/$b;1"_s, u"a"_s, u"x"_s, u"SENDING"_s);
    EXPECT_EQ(store.size(), ApiMessageStore::DefaultCapacity);
    EXPECT_EQ(store.find(10), nullptr);
    EXPECT_NE(store.find(11), nullptr);

    ApiChatList chats(2);
    const QString first = chats.dialog(u"alice"_s, u"bob"_s, false).name;
    chats.dialog(u"alice"_s, u"carol"_s, false);
    chats.dialog(u"alice"_s, u"dave"_s, false);
    EXPECT_EQ(chats.size(), 2);
    EXPECT_EQ(chats.find(first), nullptr);
    EXPECT_NE(chats.dialog(u"alice"_s, u"bob"_s, false).name, first);
}

TEST(SimChatsTest, TheListenerSeesEveryMessageAndBodyChange)
{
    SkypeSimulator simulator;
    QStringList lines;
    simulator.chats().addListener([&lines](ApiMessageChange change, const ApiChatMessage& message) {
        lines.append(ApiMessageLog::line(change, message));
    });
    pushed(simulator, u"type bob Hallo\\ Bob"_s);
    replyTo(simulator, u"SET CHATMESSAGE 1 BODY [Verbalink Encrypted Message]\r\nQUJD"_s);
    const QString chat = chatNameIn(replyTo(simulator, u"CHAT CREATE carol"_s));
    replyTo(simulator, u"CHATMESSAGE "_s + chat + u" Bonjour"_s);
    pushed(simulator, u"receive carol Merci"_s);
    replyTo(simulator, u"SET CHATMESSAGE 9 BODY lost"_s);

    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(QRegularExpression(uR"(^NEW 1 typed #alice/\$bob;[0-9a-f]+ alice Hallo\\\\ Bob$)"_s)
                    .match(lines.at(0))
                    .hasMatch())
        << qPrintable(lines.at(0));
    EXPECT_EQ(lines.at(1), u"BODY 1 [Verbalink Encrypted Message]\\r\\nQUJD"_s);
    EXPECT_EQ(lines.at(2), u"NEW 2 posted "_s + chat + u" alice Bonjour"_s);
    EXPECT_EQ(lines.at(3), u"NEW 3 received "_s + chat + u" carol Merci"_s);
}
