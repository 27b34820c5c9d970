// The spell check in the real program on a virtual display: the dialog opens for a misspelled
// message and is answered with the keyboard, as a user would.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "TranslationTestService.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

using namespace verbalink;
using verbalink::testing::ProgramTestFixture;
using verbalink::testing::waitUntil;

namespace {

class SpellCheckProgramTest : public ProgramTestFixture {
protected:
    static QString translated(int id, const QString& text)
    {
        return u"BODY " + QString::number(id) + u' ' + text + u"\\r\\n( (flag:de)  [de] " + text +
               u" )";
    }
    test::TranslationTestService m_service;
};

TEST_F(SpellCheckProgramTest, SendCorrectsTheMessageBeforeItIsTranslatedAndCancelKeepsIt)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    writeSettings(
        "[Software\\Verbalink]\nToLang=32831\nTranslateOnlyList=bob|de\n"
        "Dictionary=/usr/share/hunspell/en_US.dic\n[Software\\Verbalink\\Hosts]\nGoogle=" +
        m_service.hostPort() + "\nGoogleTranslate=" + m_service.hostPort() + "\n");
    auto program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());

    m_sim->directive(QStringLiteral("type bob Ths is wrng"));
    ASSERT_TRUE(logShows(QStringLiteral("spell check: Verbalink Spellcheck (en_US.dic)")))
        << qPrintable(log());
    waitUntil([] { return false; }, 500);
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+a")));
    ASSERT_TRUE(display.type(QStringLiteral("This is wrong")));
    // Tab leaves the editor for Send.
    ASSERT_TRUE(display.press(QStringLiteral("Tab")));
    ASSERT_TRUE(display.press(QStringLiteral("space")));
    EXPECT_TRUE(messagesShow(translated(1, QStringLiteral("This is wrong"))))
        << qPrintable(readFile(messagesLog()));

    m_program->clearLog();
    m_sim->directive(QStringLiteral("type bob Anothr one"));
    ASSERT_TRUE(logShows(QStringLiteral("spell check: Verbalink Spellcheck"))) << qPrintable(log());
    waitUntil([] { return false; }, 500);
    ASSERT_TRUE(display.press(QStringLiteral("Escape")));
    EXPECT_TRUE(messagesShow(translated(2, QStringLiteral("Anothr one"))))
        << qPrintable(readFile(messagesLog()));

    // A correct message goes on without a dialog.
    m_program->clearLog();
    m_sim->directive(QStringLiteral("type bob All is well"));
    EXPECT_TRUE(messagesShow(translated(3, QStringLiteral("All is well"))));
    EXPECT_FALSE(log().contains(u"spell check:"));
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
    EXPECT_TRUE(readFile(settingsFile()).contains(u"Dictionary=/usr/share/hunspell/en_US.dic\n"));
}

} // namespace
