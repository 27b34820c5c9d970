// The real verbalink executable on a private bus with the simulator, offscreen.

#include "EventWait.h"
#include "ProgramFixture.h"
#include "ServiceAnswers.h"
#include "TranslationTestService.h"

#include <QDir>

using namespace verbalink;
using verbalink::testing::waitUntil;

namespace {

class TrayProgramTest : public test::ProgramFixture {};

} // namespace

TEST_F(TrayProgramTest, StartsAttachesHandsOverAndSavesOnTermination)
{
    writeSettings("[Software\\Verbalink]\nState=0\nToLang=32830\n");
    auto first = launch();
    ASSERT_TRUE(first->waitForStarted());

    // It attaches and sends the four commands.
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }));
    EXPECT_TRUE(readFile(commandLog())
                    .startsWith(u"NAME Verbalink\nPROTOCOL 8\nCREATE APPLICATION Verbalink\n"
                                u"GET CURRENTUSERHANDLE\nGET UI_LANGUAGE\n"));
    // The stored "off" turned translation off through the command, icon included.
    EXPECT_TRUE(logShows(QStringLiteral("translation off, tray icon disabled")))
        << qPrintable(m_log);
    EXPECT_TRUE(QDir(path(u"home/Documents/Verbalink Avatars")).exists());

    // A second start without arguments leaves at once and the first opens its menu.
    auto second = launch();
    ASSERT_TRUE(waitUntil([&] { return second->state() == QProcess::NotRunning; }));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(logShows(QStringLiteral("tray menu opened"))) << qPrintable(m_log);

    // A start with an argument runs alongside.
    auto alongside = launch({QStringLiteral("-m")});
    ASSERT_TRUE(alongside->waitForStarted());
    EXPECT_FALSE(waitUntil([&] { return alongside->state() == QProcess::NotRunning; }, 2000));
    alongside->terminate();
    ASSERT_TRUE(waitUntil([&] { return alongside->state() == QProcess::NotRunning; }));

    // SIGTERM ends it through the exit save.
    first->terminate();
    ASSERT_TRUE(waitUntil([&] { return first->state() == QProcess::NotRunning; }));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    const QString saved = readFile(settingsFile());
    for (const char* line : {"State=0\n", "ToLang=32830\n", "FromLang=32785\n", "Translator=1\n",
                             "TranslateIncoming=33254\n", "Hotkeys=33364\n", "DebugLevel=0\n"})
        EXPECT_TRUE(saved.contains(QString::fromLatin1(line))) << line;
}

TEST_F(TrayProgramTest, TranslatesTypedAndReceivedMessagesThroughTheService)
{
    test::TranslationTestService service;
    ASSERT_TRUE(service.listening());
    const QByteArray host = service.hostPort();
    // Typed messages go into German with flags; received ones into English, into the chat.
    writeSettings("[Software\\Verbalink]\nToLang=32831\nTranslateIncoming=33272\n"
                  "[Software\\Verbalink\\Hosts]\nGoogle=" +
                  host + "\nGoogleTranslate=" + host + "\n");
    m_sim->directive(QStringLiteral("user bob de Bob Builder"));
    auto program = launch();
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }));

    // The service echoes the text tagged with the target: "[de] Hello".
    m_sim->directive(QStringLiteral("type bob Hello"));
    EXPECT_TRUE(messagesShow(QStringLiteral("BODY 1 Hello\\r\\n( (flag:de)  [de] Hello )")))
        << qPrintable(readFile(messagesLog()));

    // A translation equal to the typed text leaves the message alone.
    service.queue(test::TranslationTestService::Route::Google,
                  test::TranslationTestService::reply(
                      test::ServiceAnswers::googleSentences({{QStringLiteral("OK"), {}}})));
    m_sim->directive(QStringLiteral("type bob OK"));
    ASSERT_TRUE(waitUntil([&] { return service.requests().size() >= 2; }));
    waitUntil([] { return false; }, 1000);
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 2 "));

    // bob writes: the translation appears in the chat under his handle (the contacts were never
    // refreshed, so the refresh runs and the handle stands in) and is not translated
    // again (no further service request after it).
    m_sim->directive(QStringLiteral("receive bob Hallo Welt"));
    EXPECT_TRUE(waitUntil([&] {
        return readFile(messagesLog()).contains(u" posted ") &&
               readFile(messagesLog()).contains(u" alice [bob] [en] Hallo Welt");
    })) << qPrintable(readFile(messagesLog()));
    const qsizetype requestsAfter = service.requests().size();
    waitUntil([] { return false; }, 1000);
    EXPECT_EQ(service.requests().size(), requestsAfter);

    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
}

TEST_F(TrayProgramTest, UserFilterExcludesOneContactAndGivesAnotherItsOwnLanguage)
{
    test::TranslationTestService service;
    ASSERT_TRUE(service.listening());
    const QByteArray host = service.hostPort();
    // Target German, but bob has the rule French and carol is left out.
    writeSettings("[Software\\Verbalink]\nToLang=32831\nTranslateOnlyList=bob|fr,carol\n"
                  "[Software\\Verbalink\\Hosts]\nGoogle=" +
                  host + "\nGoogleTranslate=" + host + "\n");
    auto program = launch();
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }));

    m_sim->directive(QStringLiteral("type carol Hello carol"));
    m_sim->directive(QStringLiteral("type bob Hello bob"));
    EXPECT_TRUE(messagesShow(QStringLiteral("BODY 2 Hello bob\\r\\n( (flag:fr)  [fr] Hello bob )")))
        << qPrintable(readFile(messagesLog()));
    // carol's message went nowhere: one request in all, and her body untouched.
    EXPECT_EQ(service.requests().size(), 1);
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 1 "));

    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
}
