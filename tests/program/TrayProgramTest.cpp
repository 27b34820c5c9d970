// The real verbalink executable on a private bus with the simulator, offscreen.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "ServiceAnswers.h"
#include "TranslationTestService.h"
#include "VirtualDisplay.h"

#include <QDir>
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

using namespace verbalink;
using verbalink::testing::ProgramTestFixture;
using verbalink::testing::waitUntil;

namespace {

class TrayProgramTest : public ProgramTestFixture {};

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
        << qPrintable(log());
    EXPECT_TRUE(QDir(path(u"home/Documents/Verbalink Avatars")).exists());

    // A second start without arguments leaves at once and the first opens its menu.
    auto second = launch();
    ASSERT_TRUE(waitUntil([&] { return second->state() == QProcess::NotRunning; }));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(logShows(QStringLiteral("tray menu opened"))) << qPrintable(log());

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

TEST_F(TrayProgramTest, RelabelsTheMenuInTheStoredOrTheClientsLanguage)
{
    // Czech, as stored: every listed entry relabelled but "Hear Music", which Czech lacks.
    writeSettings("[Software\\Verbalink]\nMenuLanguage=33249\n");
    auto program = launch();
    EXPECT_TRUE(logShows(QString::fromUtf8("interface language 33249 (checked 33249): "
                                           "\"Vypnout překlad\" \"Skrýt původní zprávy\" "
                                           "\"Hear Music\"")))
        << qPrintable(log());
    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));

    // Auto Detect follows the client's report exactly; the check mark and the stored value stay.
    m_program->clearLog();
    writeSettings("[Software\\Verbalink]\nMenuLanguage=33318\n");
    m_sim->directive(QStringLiteral("language zh-Hant"));
    program = launch();
    EXPECT_TRUE(logShows(QString::fromUtf8("interface language 33357 (checked 33318): "
                                           "\"停用翻譯\" \"隱藏原始訊息\"")))
        << qPrintable(log());
    m_sim->directive(QStringLiteral("notify UI_LANGUAGE pt-BR"));
    EXPECT_TRUE(logShows(QStringLiteral("interface language 33223 (checked 33318): "
                                        "\"Disable Translation\" \"Hide Original Messages\"")))
        << qPrintable(log());
    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
    EXPECT_TRUE(readFile(settingsFile()).contains(u"MenuLanguage=33318"));
}

TEST_F(TrayProgramTest, HotKeysWorkOnX11WhateverTheLocksAndSkipKeysHeldElsewhere)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    // Another program holds Ctrl+Shift+F3 before Verbalink starts.
    ASSERT_TRUE(display.holdKey(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT, XK_F3));
    test::TranslationTestService service;
    const QByteArray host = service.hostPort();
    writeSettings("[Software\\Verbalink]\nToLang=32831\n[Software\\Verbalink\\Hosts]\nGoogle=" +
                  host + "\nGoogleTranslate=" + host + "\n");
    m_sim->directive(QStringLiteral("user bob de Bob Builder"));
    auto program = launch();
    ASSERT_TRUE(logShows(QStringLiteral("hot keys: 21 grabbed"))) << qPrintable(log());
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F2"))); // F3 is held, F2 still works
    EXPECT_TRUE(logShows(QStringLiteral("feedback: Hide Original Messages: Enable")))
        << qPrintable(log());
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }));

    // Ctrl+Shift+F1 with Caps Lock on turns translation off: stored, and typing stays as typed.
    ASSERT_TRUE(display.press(QStringLiteral("Caps_Lock")));
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F1")));
    EXPECT_TRUE(logShows(QStringLiteral("translation off"))) << qPrintable(log());
    EXPECT_TRUE(waitUntil([&] { return readFile(settingsFile()).contains(u"State=0"); }));
    m_sim->directive(QStringLiteral("type bob Hello"));
    waitUntil([] { return false; }, 1500);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 1 "));
    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));

    // With Alt+key stored, Ctrl+Shift+F1 does nothing and Alt+F1 turns translation back on.
    m_program->clearLog();
    writeSettings("[Software\\Verbalink]\nState=1\nHotkeys=33362\n");
    program = launch();
    ASSERT_TRUE(logShows(QStringLiteral("hot keys: 22 grabbed"))) << qPrintable(log());
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F1")));
    EXPECT_FALSE(logShows(QStringLiteral("translation off"), 1500));
    ASSERT_TRUE(display.press(QStringLiteral("alt+F1")));
    EXPECT_TRUE(logShows(QStringLiteral("translation off"))) << qPrintable(log());
    // Before the first of the eleven voices is the last; after the last, the first again.
    ASSERT_TRUE(display.press(QStringLiteral("alt+F11")));
    EXPECT_TRUE(logShows(QStringLiteral("feedback: Voice type: Pitch (baby)")))
        << qPrintable(log());
    ASSERT_TRUE(display.press(QStringLiteral("alt+F12")));
    EXPECT_TRUE(logShows(QStringLiteral("feedback: Voice type: Disabled"))) << qPrintable(log());
    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
}

TEST_F(TrayProgramTest, SpeechVoiceIsRestoredByItsDescriptionAndAMissingOneIsClearedAtExit)
{
    // No message is received here: with a voice on, the program would speak aloud.
    writeSettings("[Software\\Verbalink]\nSpeechVoice=Cherokee \nSpeechRate=7\n");
    auto program = launch();
    ASSERT_TRUE(attached());
    EXPECT_TRUE(logShows(QStringLiteral("voice \"Cherokee \", rate 7"))) << qPrintable(log());
    EXPECT_TRUE(log().contains(u"speech available: ")) << qPrintable(log());
    ASSERT_TRUE(terminate(*program));
    QString saved = readFile(settingsFile());
    EXPECT_TRUE(saved.contains(u"SpeechVoice=Cherokee \n")) << qPrintable(saved);
    EXPECT_TRUE(saved.contains(u"SpeechRate=7\n")) << qPrintable(saved);

    m_program->clearLog();
    writeSettings("[Software\\Verbalink]\nSpeechVoice=Nobody Speaks So\nSpeechRate=fast\n");
    const auto attaches = [&] {
        return readFile(commandLog()).count(u"GET UI_LANGUAGE");
    };
    const qsizetype before = attaches();
    program = launch();
    ASSERT_TRUE(waitUntil([&] { return attaches() > before; }));
    EXPECT_TRUE(logShows(QStringLiteral("voice \"0\", rate 0"))) << qPrintable(log());
    ASSERT_TRUE(terminate(*program));
    saved = readFile(settingsFile());
    EXPECT_TRUE(saved.contains(u"SpeechVoice=0\n")) << qPrintable(saved);
    EXPECT_TRUE(saved.contains(u"SpeechRate=0\n")) << qPrintable(saved);
}
