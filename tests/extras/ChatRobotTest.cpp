// The chat robot against the loopback stand-in for the robot service and Google, in virtual
// time.

#include "extras/ChatRobot.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "ServiceAnswers.h"
#include "TranslationFlowFakeChat.h"
#include "TranslationTestService.h"
#include "extras/RobotAnswer.h"
#include "extras/RobotUsers.h"
#include "translate/net/ServiceConnections.h"
#include "translate/text/UrlEncoding.h"

#include <gtest/gtest.h>

using namespace verbalink;
using TestService = verbalink::test::TranslationTestService;
namespace Answers = verbalink::test::ServiceAnswers;

namespace {

TEST(RobotAnswerTest, TakesTheConversationAndUndoesTheEscapesInOrder)
{
    const struct {
        QString response;
        std::optional<QByteArray> conversationId;
        QString text;
    } cases[] = {
        {u"HTTP/1.0 200 OK\r\n\r\n<result custid=\"c42\"><input>hi</input><that>Hello "
         u"&amp;amp; \\u0026lt;b\\u0026gt; \\u003d &quot;x&quot; &#65;</that></result>"_qs,
         "c42", u"Hello &amp; <b> = \"x\" A"_qs},
        // An error page: its message is the answer, and no conversation is taken.
        {u"HTTP/1.0 200 OK\r\n\r\n<result status=\"1\"><message>Bot not found</message></result>"_qs,
         std::nullopt, u"Bot not found"_qs},
        {u"custid=\"c1\"<input>hi</input><that>x</that></result>"_qs, std::nullopt, QString()},
        {u"x custid=\"c7\"><input>hi</input>"_qs, "c7", QString()},
        {u"x custid=\"\"><input>hi</input><that>Yes</that></result>"_qs, std::nullopt, u"Yes"_qs},
    };
    for (const auto& c : cases) {
        const RobotAnswer answer = RobotAnswer::parse(c.response);
        EXPECT_EQ(answer.conversationId, c.conversationId) << qPrintable(c.response);
        EXPECT_EQ(answer.text, c.text) << qPrintable(c.response);
    }
}

TEST(RobotUsersTest, EachSaveAndLoadReversesTheListAndHandlesAreUnique)
{
    RobotUsers users;
    users.load(u"a,b,c"_qs);
    QStringList handles;
    for (const RobotUser& user : users.users())
        handles << user.handle;
    EXPECT_EQ(handles, (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
    EXPECT_EQ(users.storedText(), u"c,b,a");
    EXPECT_FALSE(users.add(u"Bee"_qs, u"b"_qs));
    EXPECT_FALSE(users.add(u"Nobody"_qs, QString()));
    EXPECT_TRUE(users.add(u"Dee"_qs, u"d"_qs));
    EXPECT_TRUE(users.removeByText(u"Dee"_qs));
    EXPECT_TRUE(users.removeByText(u"a"_qs));
    EXPECT_EQ(users.storedText(), u"c,b");
    users.load(QString());
    EXPECT_TRUE(users.isEmpty());
}

class ChatRobotTest : public ::testing::Test {
protected:
    ChatRobotTest()
    {
        m_users.add(QString(), u"bob"_qs);
        m_robot.setOptions({"abcdef0123456789", false, false});
    }
    QList<TestService::Request> robotRequests() const
    {
        QList<TestService::Request> found;
        for (const TestService::Request& request : m_service.requests()) {
            if (request.route == TestService::Route::Robot)
                found << request;
        }
        return found;
    }

    TestService m_service;
    test::FakeClock m_clock;
    test::FakeMessageBox m_boxes;
    test::FakeTranslationChat m_chat;
    ServiceConnections m_connections{m_boxes};
    RobotUsers m_users;
    ChatRobot m_robot{{m_chat, m_connections, m_boxes, m_clock, m_users},
                      m_service.hostPort(),
                      m_service.hostPort()};
};

TEST_F(ChatRobotTest, GermanIsAskedInEnglishAndAnsweredInGermanWhenWanted)
{
    for (const bool translateAnswer : {true, false}) {
        m_robot.setOptions({"abcdef0123456789", translateAnswer, false});
        m_service.queue(TestService::Route::GoogleDetecting,
                        TestService::reply(Answers::googleDetected(u"How are you?"_qs, "de")));
        m_robot.handle(u"Wie geht's?"_qs, u"bob"_qs);
        m_robot.waitForTurns();
        const QList<TestService::Request> asked = robotRequests();
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_TRUE(asked.last().bytes.contains("&input=How%20are%20you%3F&"));
        ASSERT_FALSE(m_chat.posts().isEmpty());
        const test::FakeTranslationChat::Post post = m_chat.posts().last();
        EXPECT_EQ(post.name, u"bob");
        EXPECT_FALSE(post.onlyKnown);
        // The stand-in tags a translation with its target language.
        EXPECT_EQ(post.text, translateAnswer ? u"[de] You said: How are you?"_qs
                                             : u"You said: How are you?"_qs);
    }
    // The second turn went on with the conversation the first one started.
    const QList<TestService::Request> asked = robotRequests();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].bytes.startsWith(QByteArray(
        "GET http://" + m_service.hostPort() +
        "/pandora/talk-xml?botid=abcdef0123456789&input=How%20are%20you%3F&custid= HTTP/1.0\r\n"
        "Host: " +
        m_service.hostPort() + "\r\nAccept-Charset: utf-8;q=0.7,*;q=0.7\r\n\r\n")));
    EXPECT_TRUE(asked[1].bytes.contains("&custid=conversation-1 HTTP/1.0"));
}

TEST_F(ChatRobotTest, OnlyContactsInTalkModeOutsideGroupChatsGetAnAnswer)
{
    m_robot.handle(u"Hello"_qs, u"carol"_qs);
    m_robot.handle(u"Hello"_qs, QString());
    m_robot.waitForTurns();
    EXPECT_TRUE(m_service.requests().isEmpty());
    EXPECT_TRUE(m_chat.posts().isEmpty());

    // The service's error page is sent as the answer; the conversation stays as it was.
    m_service.queue(
        TestService::Route::Robot,
        TestService::reply(Answers::httpAnswer(
            "text/xml", "<result status=\"4\"><message>No such bot</message></result>")));
    m_robot.handle(u"Hello"_qs, u"bob"_qs);
    m_robot.waitForTurns();
    ASSERT_EQ(m_chat.posts().size(), 1);
    EXPECT_EQ(m_chat.posts()[0].text, u"No such bot");
    EXPECT_TRUE(m_users.find(u"bob"_qs)->conversationId.isEmpty());

    // A silent service, tried twice: nothing is sent.
    m_service.queue(TestService::Route::Robot, TestService::drop());
    m_service.queue(TestService::Route::Robot, TestService::drop());
    EXPECT_FALSE(m_robot.ask(u"bob"_qs, u"Hello"_qs));
    EXPECT_EQ(m_chat.posts().size(), 1);
}

TEST(ChatRobotRequestTest, AsksAboutTheFirstTenThousandBytesOfALongMessage)
{
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    const struct {
        QString input;
        QString asked;
    } cases[] = {
        {QString(10000, u'a'), QString(10000, u'a')},
        {QString(10001, u'a'), QString(10000, u'a')},
        {QString(5001, u'\u00e9'), QString(5000, u'\u00e9')},
        // Never half a character: one byte short rather than a broken sequence.
        {u'a' + QString(5000, u'\u00e9'), u'a' + QString(4999, u'\u00e9')},
        {QString(9998, u'a') + emoji, QString(9998, u'a')},
    };
    for (const auto& c : cases) {
        const QByteArray request = ChatRobot::request("robot.test", "abc", c.input, "c-1", {});
        const QByteArray expected = "&input=" + urlEncode(c.asked.toUtf8()) + "&custid=c-1 ";
        EXPECT_TRUE(request.contains(expected)) << c.input.size();
    }
}

TEST_F(ChatRobotTest, AnAnswerIsReadFromTheResponsesFirstTwentyThousandCharacters)
{
    const QByteArray padding(30000, ' ');
    const struct {
        QByteArray response;
        QString posted;
    } cases[] = {
        // A long tail after the answer does not hide it.
        {Answers::robotResult("c-7", u"Hello"_qs, u"Hi there"_qs) + padding, u"Hi there"_qs},
        // An answer running past the limit has no end marker in what is read.
        {Answers::robotResult("c-8", u"Hello"_qs, QString::fromLatin1(padding) + u"end"), {}},
    };
    for (const auto& c : cases) {
        const qsizetype before = m_chat.posts().size();
        m_service.queue(TestService::Route::Robot, TestService::reply(c.response));
        m_robot.handle(u"Hello"_qs, u"bob"_qs);
        m_robot.waitForTurns();
        const QList<test::FakeTranslationChat::Post> posts = m_chat.posts().mid(before);
        ASSERT_EQ(posts.size(), c.posted.isEmpty() ? 0 : 1);
        EXPECT_TRUE(posts.isEmpty() || posts[0].text == c.posted);
    }
    EXPECT_EQ(m_users.find(u"bob"_qs)->conversationId, "c-8");
}

TEST_F(ChatRobotTest, TheAnswerWaitsFiveToTenSecondsAsIfTyped)
{
    m_robot.setOptions({QByteArray("x"), false, true});
    EXPECT_EQ(m_robot.options().robotId, ChatRobot::DefaultRobotId);
    for (int turn = 1; turn <= 6; ++turn) {
        const qint64 before = m_clock.totalSleptMs();
        m_robot.handle(u"Hello"_qs, u"bob"_qs);
        m_robot.waitForTurns();
        const qint64 delay = m_clock.totalSleptMs() - before;
        // The exchange's own retry pause is not part of the delay here: every answer came.
        EXPECT_GE(delay, 5000);
        EXPECT_LE(delay, 10000);
        EXPECT_EQ(delay % 1000, 0);
        EXPECT_EQ(m_chat.posts().size(), turn);
    }
}

} // namespace
