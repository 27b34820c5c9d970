#include "SkypeSimulator.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;

namespace {

QString replyTo(SkypeSimulator& simulator, const QString& command)
{
    return simulator.handle(command).reply;
}

SimDirective parsed(const QString& line)
{
    const ParsedDirective result = SimDirectiveParser::parse(line);
    EXPECT_TRUE(result.ok()) << qPrintable(line) << ": " << qPrintable(result.error);
    return result.directive;
}

} // namespace

TEST(SkypeSimulatorTest, NameAnswersFollowTheAccessBehaviour)
{
    struct Case {
        QStringList directives;
        QString reply;
        int delayMs;
        bool attaches;
    };
    const Case cases[] = {
        {{}, u"OK"_s, 0, true},
        {{u"refuse"_s}, u"ERROR 68"_s, 0, false},
        {{u"offline"_s}, u"CONNSTATUS OFFLINE"_s, 0, false},
        {{u"refuse"_s, u"accept"_s}, u"OK"_s, 0, true},
        {{u"pending 1500"_s}, u"OK"_s, 1500, true},
        {{u"pending 1500"_s, u"refuse"_s}, u"ERROR 68"_s, 1500, false},
        {{u"pending 1500"_s, u"pending 0"_s}, u"OK"_s, 0, true},
    };
    for (const Case& c : cases) {
        SkypeSimulator simulator;
        for (const QString& line : c.directives)
            ASSERT_TRUE(simulator.apply(parsed(line)));
        const ApiResponse response = simulator.handle(u"NAME Verbalink"_s);
        SCOPED_TRACE(c.directives.join(u", "_s).toStdString());
        EXPECT_EQ(response.reply, c.reply);
        EXPECT_EQ(response.replyDelayMs, c.delayMs);
        EXPECT_EQ(response.attachesCaller, c.attaches);
        EXPECT_EQ(simulator.state().attachedApp, c.attaches ? u"Verbalink"_s : QString());
    }
}

TEST(SkypeSimulatorTest, NameWithoutApplicationIsAnErrorAndAttachesNobody)
{
    SkypeSimulator simulator;
    for (const QString& command : {u"NAME"_s, u"NAME   "_s}) {
        const ApiResponse response = simulator.handle(command);
        EXPECT_TRUE(response.reply.startsWith(u"ERROR "_s)) << qPrintable(response.reply);
        EXPECT_FALSE(response.attachesCaller);
    }
}

TEST(SkypeSimulatorTest, ProtocolIsCappedAtTheClientsVersion)
{
    SkypeSimulator simulator;
    EXPECT_EQ(replyTo(simulator, u"PROTOCOL 8"_s), u"PROTOCOL 8"_s);
    EXPECT_EQ(replyTo(simulator, u"PROTOCOL 99"_s), u"PROTOCOL 8"_s);
    EXPECT_EQ(replyTo(simulator, u"PROTOCOL 5"_s), u"PROTOCOL 5"_s);
    simulator.state().maxProtocol = 6;
    EXPECT_EQ(replyTo(simulator, u"PROTOCOL 8"_s), u"PROTOCOL 6"_s);
    for (const QString& bad : {u"PROTOCOL"_s, u"PROTOCOL x"_s, u"PROTOCOL 0"_s, u"PROTOCOL -3"_s})
        EXPECT_TRUE(replyTo(simulator, bad).startsWith(u"ERROR "_s)) << qPrintable(bad);
}

TEST(SkypeSimulatorTest, AnswersTheCommandsThatFollowAnAttach)
{
    SkypeSimulator simulator;
    EXPECT_EQ(replyTo(simulator, u"CREATE APPLICATION Verbalink"_s),
              u"CREATE APPLICATION Verbalink"_s);
    EXPECT_EQ(replyTo(simulator, u"GET CURRENTUSERHANDLE"_s), u"CURRENTUSERHANDLE alice"_s);
    EXPECT_EQ(replyTo(simulator, u"GET UI_LANGUAGE"_s), u"UI_LANGUAGE en"_s);

    ASSERT_TRUE(simulator.apply(parsed(u"handle zoë"_s)));
    ASSERT_TRUE(simulator.apply(parsed(u"language de"_s)));
    EXPECT_EQ(replyTo(simulator, u"GET CURRENTUSERHANDLE"_s), u"CURRENTUSERHANDLE zoë"_s);
    EXPECT_EQ(replyTo(simulator, u"GET UI_LANGUAGE"_s), u"UI_LANGUAGE de"_s);
    EXPECT_TRUE(replyTo(simulator, u"CREATE APPLICATION"_s).startsWith(u"ERROR "_s));
}

TEST(SkypeSimulatorTest, PingIsAnsweredUnlessSilenced)
{
    SkypeSimulator simulator;
    EXPECT_EQ(replyTo(simulator, u"PING"_s), u"PONG"_s);
    EXPECT_EQ(replyTo(simulator, u"ping"_s), u"PONG"_s);
    ASSERT_TRUE(simulator.apply(parsed(u"silent-ping on"_s)));
    const ApiResponse silent = simulator.handle(u"PING"_s);
    EXPECT_TRUE(silent.reply.isEmpty());
    EXPECT_TRUE(silent.notifications.isEmpty());
    ASSERT_TRUE(simulator.apply(parsed(u"silent-ping off"_s)));
    EXPECT_EQ(replyTo(simulator, u"PING"_s), u"PONG"_s);
}

TEST(SkypeSimulatorTest, EveryCommandFailsWhileErrorsAreOn)
{
    SkypeSimulator simulator;
    ASSERT_TRUE(simulator.apply(parsed(u"errors on"_s)));
    for (const QString& command :
         {u"NAME Verbalink"_s, u"PING"_s, u"GET CHATMESSAGE 1 BODY"_s, u"FOO"_s}) {
        const ApiResponse response = simulator.handle(command);
        EXPECT_EQ(response.reply, u"ERROR 9 Command failed"_s) << qPrintable(command);
        EXPECT_FALSE(response.attachesCaller);
    }
    ASSERT_TRUE(simulator.apply(parsed(u"errors off"_s)));
    EXPECT_EQ(replyTo(simulator, u"PING"_s), u"PONG"_s);
}

TEST(SkypeSimulatorTest, BusErrorAndStallTakeOnlyTheNextCommand)
{
    SkypeSimulator simulator;
    ASSERT_TRUE(simulator.apply(parsed(u"dbus-error"_s)));
    ASSERT_TRUE(simulator.apply(parsed(u"stall 5000"_s)));
    const ApiResponse failed = simulator.handle(u"NAME Verbalink"_s);
    EXPECT_FALSE(failed.busError.isEmpty());
    EXPECT_EQ(failed.stallMs, 5000);
    // The lost command changed nothing: nobody is attached.
    EXPECT_FALSE(failed.attachesCaller);
    EXPECT_TRUE(simulator.state().attachedApp.isEmpty());
    const ApiResponse next = simulator.handle(u"NAME Verbalink"_s);
    EXPECT_TRUE(next.busError.isEmpty());
    EXPECT_EQ(next.stallMs, 0);
    EXPECT_EQ(next.reply, u"OK"_s);
}

TEST(SkypeSimulatorTest, UnknownCommandsGetAnErrorLine)
{
    SkypeSimulator simulator;
    for (const QString& command : {u""_s, u"FOO"_s, u"PINGX"_s, u"GET"_s,
                                   u"GET CURRENTUSERHANDLEX"_s, u"CHATMESSAGES 1 hi"_s}) {
        EXPECT_EQ(replyTo(simulator, command), u"ERROR 2 Unknown command"_s) << qPrintable(command);
    }
}

TEST(SkypeSimulatorTest, AddedHandlersTakeTheLongestMatchingKey)
{
    SkypeSimulator simulator;
    QString seenArguments;
    simulator.addHandler(u"GET CHATMESSAGE"_s, [&](const QString& arguments) {
        seenArguments = arguments;
        ApiResponse response;
        response.reply = u"CHATMESSAGE 12 BODY hi"_s;
        response.notifications = {u"CHATMESSAGE 12 STATUS READ"_s};
        return response;
    });
    const ApiResponse response = simulator.handle(u"GET CHATMESSAGE 12 BODY"_s);
    EXPECT_EQ(seenArguments, u"12 BODY"_s);
    EXPECT_EQ(response.reply, u"CHATMESSAGE 12 BODY hi"_s);
    EXPECT_EQ(response.notifications, QStringList{u"CHATMESSAGE 12 STATUS READ"_s});
    // The shorter built-in key is still chosen where the longer one does not match.
    EXPECT_TRUE(replyTo(simulator, u"GET USER nobody FULLNAME"_s).startsWith(u"ERROR 26"_s));
}

TEST(SkypeSimulatorTest, UserDetailsComeFromTheScriptedUsers)
{
    SkypeSimulator simulator;
    ASSERT_TRUE(simulator.apply(parsed(u"user bob de Bob  Brown"_s)));
    EXPECT_EQ(replyTo(simulator, u"GET USER bob FULLNAME"_s), u"USER bob FULLNAME Bob Brown"_s);
    EXPECT_EQ(replyTo(simulator, u"GET USER bob LANGUAGE"_s), u"USER bob LANGUAGE de German"_s);
    ASSERT_TRUE(simulator.apply(parsed(u"user bob fr"_s)));
    EXPECT_EQ(replyTo(simulator, u"GET USER bob LANGUAGE"_s), u"USER bob LANGUAGE fr French"_s);
    EXPECT_EQ(replyTo(simulator, u"GET USER bob FULLNAME"_s), u"USER bob FULLNAME "_s);
    // A code the client has no name for is given alone; an unknown language is empty.
    ASSERT_TRUE(simulator.apply(parsed(u"user bob qq"_s)));
    EXPECT_EQ(replyTo(simulator, u"GET USER bob LANGUAGE"_s), u"USER bob LANGUAGE qq"_s);
    ASSERT_TRUE(simulator.apply(parsed(u"user bob -"_s)));
    EXPECT_EQ(replyTo(simulator, u"GET USER bob LANGUAGE"_s), u"USER bob LANGUAGE "_s);
    EXPECT_EQ(simulator.state().users.size(), 1);
    EXPECT_TRUE(replyTo(simulator, u"GET USER bob MOOD_TEXT"_s).startsWith(u"ERROR "_s));
    EXPECT_TRUE(replyTo(simulator, u"GET USER bob"_s).startsWith(u"ERROR "_s));
    EXPECT_TRUE(replyTo(simulator, u"GET USER bob FULLNAME x"_s).startsWith(u"ERROR "_s));
}

TEST(SkypeSimulatorTest, MessageDirectivesPushTheirStatus)
{
    SkypeSimulator simulator;
    const std::optional<QStringList> typed = simulator.apply(parsed(u"type bob hi"_s));
    ASSERT_TRUE(typed.has_value());
    ASSERT_EQ(typed->size(), 1);
    EXPECT_TRUE(typed->first().endsWith(u" STATUS SENDING"_s)) << qPrintable(typed->first());
    const std::optional<QStringList> received = simulator.apply(parsed(u"receive bob yo"_s));
    ASSERT_TRUE(received.has_value());
    EXPECT_EQ(*received, QStringList{u"CHATMESSAGE 2 STATUS RECEIVED"_s});
    EXPECT_TRUE(simulator.apply(parsed(u"user bob de"_s))->isEmpty());
}

TEST(SkypeSimulatorTest, TransportDirectivesAreLeftToTheCaller)
{
    SkypeSimulator simulator;
    for (const QString& line :
         {u"notify PONG"_s, u"sleep 5"_s, u"wait-attach"_s, u"vanish"_s, u"quit"_s, u"# x"_s})
        EXPECT_FALSE(simulator.apply(parsed(line))) << qPrintable(line);
}
