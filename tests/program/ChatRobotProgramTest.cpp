// The chat robot in the real program: the simulator's contact writes, the loopback stand-in
// plays the robot service and Google.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "ServiceAnswers.h"
#include "TranslationTestService.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

using namespace verbalink;
using TestService = verbalink::test::TranslationTestService;
namespace Answers = verbalink::test::ServiceAnswers;
using verbalink::testing::waitUntil;

namespace {

class ChatRobotProgramTest : public verbalink::testing::ProgramTestFixture {
protected:
    int robotRequests() const
    {
        int count = 0;
        for (const TestService::Request& request : m_service.requests())
            count += request.route == TestService::Route::Robot ? 1 : 0;
        return count;
    }
    bool posted(const QString& body)
    {
        return waitUntil([&] {
            for (const QString& line : readFile(messagesLog()).split(u'\n')) {
                if (line.startsWith(u"NEW ") && line.contains(u" posted ") && line.endsWith(body))
                    return true;
            }
            return false;
        });
    }
    TestService m_service;
};

TEST_F(ChatRobotProgramTest, AContactInTalkModeIsAnsweredInItsOwnLanguage)
{
    const QByteArray host = m_service.hostPort();
    writeSettings("[Software\\Verbalink]\nRobotUserList=bob\nRobotDelayAnswer=0\n"
                  "RobotTransAnswer=1\n[Software\\Verbalink\\Hosts]\nGoogle=" +
                  host + "\nGoogleTranslate=" + host + "\nPandorabots=" + host + "\n");
    auto program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());

    m_service.queue(TestService::Route::GoogleDetecting,
                    TestService::reply(Answers::googleDetected(u"How are you?"_qs, "de")));
    m_sim->directive(QStringLiteral("receive bob Wie geht es dir?"));
    EXPECT_TRUE(posted(u"[de] You said: How are you?"_qs)) << qPrintable(readFile(messagesLog()));

    // The next turn goes on with the conversation, and the answer's escapes are undone.
    m_service.queue(TestService::Route::GoogleDetecting,
                    TestService::reply(Answers::googleDetected(u"Fish?"_qs, "de")));
    m_service.queue(TestService::Route::Robot,
                    TestService::reply(Answers::robotResult("conversation-1", u"Fish?"_qs,
                                                            u"Fish &amp; chips"_qs)));
    m_sim->directive(QStringLiteral("receive bob Fisch?"));
    EXPECT_TRUE(posted(u"[de] Fish & chips"_qs)) << qPrintable(readFile(messagesLog()));
    const QList<TestService::Request> requests = m_service.requests();
    EXPECT_EQ(robotRequests(), 2);
    bool continued = false;
    for (const TestService::Request& request : requests)
        continued |= request.bytes.contains("&input=Fish%3F&custid=conversation-1 HTTP/1.0");
    EXPECT_TRUE(continued);

    // Group chats get no answer.
    m_sim->directive(QStringLiteral("receive-group bob Hallo zusammen"));
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(robotRequests(), 2);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

TEST_F(ChatRobotProgramTest, AContactPutInTalkModeIsAnsweredWhileTheDialogIsStillOpen)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    const QByteArray host = m_service.hostPort();
    writeSettings("[Software\\Verbalink]\nRobotDelayAnswer=0\n[Software\\Verbalink\\Hosts]\n"
                  "Google=" +
                  host + "\nGoogleTranslate=" + host + "\nPandorabots=" + host + "\n");
    m_sim->directive(QStringLiteral("user bob en Bob Builder"));
    auto program = launch();
    ASSERT_TRUE(logShows(QStringLiteral("hot keys: 22 grabbed"))) << qPrintable(log());
    ASSERT_TRUE(attached());

    // Hotkey+F7: the contact box offers Bob first; Tab past the list to Add.
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F7")));
    ASSERT_TRUE(logShows(QStringLiteral("dialog opened: Verbalink A.I. Talk Robot")))
        << qPrintable(log());
    waitUntil([] { return false; }, 500);
    for (const char* key : {"Tab", "Tab", "space"})
        ASSERT_TRUE(display.press(QString::fromLatin1(key)));
    waitUntil([] { return false; }, 300);

    m_sim->directive(QStringLiteral("receive bob Hello there"));
    EXPECT_TRUE(posted(u"You said: Hello there"_qs)) << qPrintable(readFile(messagesLog()));
    EXPECT_EQ(robotRequests(), 1);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

} // namespace
