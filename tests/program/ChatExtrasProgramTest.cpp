// Greetings, Fun&Art and Broadcast in the real program on a virtual display, used with the
// keyboard as a user would.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

using namespace verbalink;
using verbalink::testing::waitUntil;

namespace {

class ChatExtrasProgramTest : public verbalink::testing::ProgramTestFixture {
protected:
    // The program's own messages, as "<ms> <chat name> <body>", in the order they were posted.
    QStringList posted()
    {
        QStringList found;
        for (const QString& line : readFile(messagesLog()).split(u'\n')) {
            const QStringList fields = line.split(u' ');
            // <ms> NEW <id> posted <chat> <author> <body...>
            if (fields.size() > 6 && fields[1] == u"NEW" && fields[3] == u"posted")
                found << fields[0] + u' ' + fields[4] + u' ' + fields.mid(6).join(u' ');
        }
        return found;
    }
    static void pause(int ms)
    {
        waitUntil([] { return false; }, ms);
    }
};

TEST_F(ChatExtrasProgramTest, GreetingByFullNameArtByNameAndBroadcastToEveryContact)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    m_sim.reset();
    ASSERT_TRUE(startSim(u"timed-messages.log", {QStringLiteral("--timestamps")}));
    for (const char* user :
         {"user bob de Bob Builder", "user carol fr Carol Cook", "user dave es Dave Diver"})
        m_sim->directive(QString::fromLatin1(user));
    auto program = launch();
    ASSERT_TRUE(logShows(QStringLiteral("hot keys: 22 grabbed"))) << qPrintable(log());
    ASSERT_TRUE(attached());

    // Greetings (Ctrl+Shift+F5): the contact is chosen by its full name, Enter sends.
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F5")));
    ASSERT_TRUE(logShows(QStringLiteral("dialog opened: Verbalink Greetings")))
        << qPrintable(log());
    pause(500);
    ASSERT_TRUE(display.type(QStringLiteral("Bob Builder")));
    ASSERT_TRUE(display.press(QStringLiteral("Return")));
    ASSERT_TRUE(waitUntil([&] { return posted().size() == 1; }))
        << qPrintable(readFile(messagesLog()));
    EXPECT_TRUE(posted()[0].contains(u"/$bob;")) << qPrintable(posted()[0]);
    ASSERT_TRUE(display.press(QStringLiteral("Escape")));

    // Fun&Art (Ctrl+Shift+F6): an effect that is not in the list sends nothing; "Sun" does.
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+shift+F6")));
    ASSERT_TRUE(logShows(QStringLiteral("dialog opened: Verbalink Fun & Art Message")));
    pause(500);
    ASSERT_TRUE(display.type(QStringLiteral("carol")));
    ASSERT_TRUE(display.press(QStringLiteral("Tab")));
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+a")));
    ASSERT_TRUE(display.type(QStringLiteral("Unicorn")));
    ASSERT_TRUE(display.press(QStringLiteral("Return")));
    pause(1500);
    EXPECT_EQ(posted().size(), 1);
    ASSERT_TRUE(display.press(QStringLiteral("ctrl+a")));
    ASSERT_TRUE(display.type(QStringLiteral("Sun")));
    ASSERT_TRUE(display.press(QStringLiteral("Return")));
    ASSERT_TRUE(waitUntil([&] { return posted().size() == 2; }));
    EXPECT_TRUE(posted()[1].contains(u"/$carol;")) << qPrintable(posted()[1]);
    ASSERT_TRUE(display.press(QStringLiteral("Escape")));

    // Broadcast, from the menu a second start opens: down to its entry (the 21st), then type
    // the message, Tab to Send, Space. Every contact gets it in list order.
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(10000));
    ASSERT_TRUE(logShows(QStringLiteral("tray menu opened"))) << qPrintable(log());
    pause(500);
    for (int i = 0; i < 21; ++i)
        ASSERT_TRUE(display.press(QStringLiteral("Down")));
    ASSERT_TRUE(display.press(QStringLiteral("Return")));
    ASSERT_TRUE(logShows(QStringLiteral("dialog opened: Verbalink: Broadcast mass message ")))
        << qPrintable(log());
    pause(500);
    ASSERT_TRUE(display.type(QStringLiteral("Party tonight")));
    ASSERT_TRUE(display.press(QStringLiteral("Tab")));
    ASSERT_TRUE(display.press(QStringLiteral("space")));
    ASSERT_TRUE(waitUntil([&] { return posted().size() == 5; }))
        << qPrintable(readFile(messagesLog()));
    const QStringList all = posted();
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(all[i].endsWith(u" Party tonight")) << qPrintable(all[i]);
    // 100 ms between contacts as the program sends them (exact in BroadcastSenderTest); the
    // client sees them with some jitter of delivery, so the span is checked with room for it.
    const auto at = [&](int i) {
        return all[i].section(u' ', 0, 0).toLongLong();
    };
    EXPECT_GE(at(4) - at(2), 150) << qPrintable(all.join(u'\n'));
    EXPECT_TRUE(all[2].contains(u"/$bob;"));
    EXPECT_TRUE(all[3].contains(u"/$carol;"));
    EXPECT_TRUE(all[4].contains(u"/$dave;"));
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

} // namespace
